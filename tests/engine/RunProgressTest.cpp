// The run's status texts on their own: numbers grouped by thousands beyond 32 bits, the
// words of each operation, deletions counted as files but not as bytes, and the pace.
#include <gtest/gtest.h>

#include "engine/RunProgress.h"
#include "engine/SyncOperation.h"
#include "support/FixedClock.h"
#include "support/Recorders.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

struct ProgressFixture {
    // copies files of bigSize bytes, then deletions files to delete
    ProgressFixture(int copies, int deletions) : entries(std::size_t(copies + deletions)) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i] = FileEntry{"f", 0, 4000000000u, Side::top, int(i) >= copies, 0};
            rows.appendRow(entries[i], entries[i].toDelete ? kImageDelete : kImageCopyDown);
        }
    }
    std::vector<FileEntry> entries;
    RecordingRows rows;
    RecordingDialog dialog;
    FixedClock clock;
    RunProgress progress{dialog, clock};
};

TEST(RunProgress, GroupsLargeCountsAndCountsDeletionsAsFilesButNotAsBytes) {
    ProgressFixture p(1500, 2);
    p.progress.start(p.rows, kDuplicate);
    // Two copies and one deletion stay; the time only comes round for the last row done.
    for (int i = 0; i < 1498; ++i) p.progress.done(p.entries[std::size_t(i)]);
    p.clock.ticks = RunProgress::kInterval;
    p.progress.done(p.entries[1500]);
    p.progress.finish();
    EXPECT_EQ(p.dialog.statusTexts,
              (Lines{"Copied or deleted 0 of 1,502 files, 0 of 6,000,000,000,000 bytes",
                     "Copied or deleted 1,499 of 1,502 files, 5,992,000,000,000 of "
                     "6,000,000,000,000 bytes",
                     "Done: 1,499 of 1,502 files. 3 stay in the list."}));
}

TEST(RunProgress, EachOperationHasItsWordAndAFullRunNamesNoRowsThatStay) {
    const std::pair<Operation, const char*> cases[] = {
        {kCopy, "Copied 0 of 1 file, 0 of 4,000,000,000 bytes"},
        {kMove, "Moved 0 of 1 file, 0 of 4,000,000,000 bytes"},
    };
    for (const auto& c : cases) {
        ProgressFixture p(1, 0);
        p.progress.start(p.rows, c.first);
        p.progress.done(p.entries[0]);
        p.progress.finish();
        EXPECT_EQ(p.dialog.statusTexts, (Lines{c.second, "Done: 1 of 1 file."}));
    }
}

}  // namespace
}  // namespace evenkeeper::test
