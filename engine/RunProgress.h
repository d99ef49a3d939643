#pragma once
// The status bar during a run: files and bytes done of those planned, a few times a second
// at most (a status bar redrawn for every small file would cost more than copying it), and
// at the end how many rows were done and how many stay.
#include <cstdint>

#include "engine/MainDialogPort.h"
#include "engine/ResultRows.h"
#include "engine/SyncOperation.h"
#include "platform/Clock.h"

namespace evenkeeper {

class RunProgress {
public:
    static constexpr std::uint32_t kInterval = 250;  // milliseconds between two texts

    RunProgress(MainDialogPort& dialog, const Clock& clock) : dialog_(dialog), clock_(clock) {}

    // Counts the rows and the bytes to copy, and shows that none of them is done yet.
    void start(ResultRows& rows, Operation operation);
    // The row of entry was done.
    void done(const FileEntry& entry);
    void finish();

private:
    void show();

    MainDialogPort& dialog_;
    const Clock& clock_;
    const char* verb_ = "";
    std::uint64_t plannedFiles_ = 0;
    std::uint64_t plannedBytes_ = 0;
    std::uint64_t doneFiles_ = 0;
    std::uint64_t doneBytes_ = 0;
    std::uint32_t shownAt_ = 0;
};

}  // namespace evenkeeper
