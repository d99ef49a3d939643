#pragma once
// Two scanners over one directory search, the recording windows, and a plan finder: the
// set-up of every scan-and-plan test.
#include <memory>
#include <string>

#include "engine/DifferenceFinder.h"
#include "support/MemoryTree.h"
#include "support/Recorders.h"
#include "support/TimeValues.h"

namespace evenkeeper::test {

class PlanFixture {
public:
    // Scans search's folders; a MemoryTree by default.
    explicit PlanFixture(DirectorySearch* search = nullptr, const TextCompare* compare = nullptr,
                         Reallocate reallocate = std::realloc);

    MemoryTree tree;  // used when no other search was given
    RecordingDialog dialog;
    RecordingProgress progress;
    RecordingRows rows;
    CountingPump pump;
    SyncOperation operation;
    SyncSession session;
    const TextCompare& compare;
    FolderScanner top;
    FolderScanner bottom;

    // Resets and scans both folders as the Scan command does; true when both completed.
    bool scan(const std::string& topRoot = "M:\\top\\", const std::string& bottomRoot = "M:\\bottom\\");
    // findDifferences with the given operation and direction (and a matcher, indexed if null).
    std::vector<std::string> plan(Operation operation, Direction direction, EntryMatcher* matcher = nullptr);
    SyncContext context();
};

}  // namespace evenkeeper::test
