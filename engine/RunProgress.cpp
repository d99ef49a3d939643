#include "engine/RunProgress.h"

#include <string>

#include "engine/NumberText.h"
#include "engine/SyncOperation.h"

namespace evenkeeper {
namespace {

// " file" or " files" after "of " and the number planned.
const char* files(std::uint64_t planned) { return planned == 1 ? " file" : " files"; }

}  // namespace

void RunProgress::start(ResultRows& rows, Operation operation) {
    verb_ = operation == kMove ? "Moved" : operation == kDuplicate ? "Copied or deleted" : "Copied";
    plannedFiles_ = plannedBytes_ = doneFiles_ = doneBytes_ = 0;
    for (int row = rows.nextRow(-1); row != -1; row = rows.nextRow(row)) {
        const FileEntry& entry = *rows.entryAt(row);
        ++plannedFiles_;
        if (!entry.toDelete) plannedBytes_ += entry.size;
    }
    shownAt_ = clock_.milliseconds();
    show();
}

void RunProgress::done(const FileEntry& entry) {
    ++doneFiles_;
    if (!entry.toDelete) doneBytes_ += entry.size;
    std::uint32_t now = clock_.milliseconds();
    if (now - shownAt_ < kInterval) return;
    shownAt_ = now;
    show();
}

void RunProgress::show() {
    std::string text = std::string(verb_) + " " + groupedNumber(doneFiles_) + " of " +
                       groupedNumber(plannedFiles_) + files(plannedFiles_) + ", " +
                       groupedNumber(doneBytes_) + " of " + groupedNumber(plannedBytes_) + " bytes";
    dialog_.setStatusText(text.c_str());
}

void RunProgress::finish() {
    std::string text = "Done: " + groupedNumber(doneFiles_) + " of " +
                       groupedNumber(plannedFiles_) + files(plannedFiles_) + ".";
    std::uint64_t stay = plannedFiles_ - doneFiles_;
    if (stay == 1) text += " 1 stays in the list.";
    if (stay > 1) text += " " + groupedNumber(stay) + " stay in the list.";
    dialog_.setStatusText(text.c_str());
}

}  // namespace evenkeeper
