// The status bar while the middle button's run goes: files and bytes done of those planned,
// no more often than the pace allows, and at the end how many rows were done and stay.
#include <gtest/gtest.h>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

Lines statusTexts(const Lines& calls) {
    Lines texts;
    for (const std::string& call : calls)
        if (call.compare(0, 7, "status ") == 0) texts.push_back(call.substr(7));
    return texts;
}

TEST(MainRunProgress, StatusBarCountsFilesAndBytesAtItsPaceAndTellsWhatStays) {
    struct Case {
        std::uint32_t millisecondsPerRead;
        Lines during;  // between the first text and the last
    };
    const Case cases[] = {
        {0, {}},
        {100, {"Copied 3 of 4 files, 3,900 of 4,400 bytes"}},
        {250,
         {"Copied 1 of 4 files, 1,200 of 4,400 bytes", "Copied 2 of 4 files, 2,500 of 4,400 bytes",
          "Copied 3 of 4 files, 3,900 of 4,400 bytes"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.millisecondsPerRead) + " ms per read of the clock");
        ControllerFixture f;
        f.tree.file("top\\a.txt", std::string(1200, 'a'), kBaseTime);
        f.tree.file("top\\b.txt", std::string(1300, 'b'), kBaseTime);
        f.tree.file("top\\c.txt", std::string(1400, 'c'), kBaseTime);
        f.tree.file("top\\d.txt", std::string(500, 'd'), kBaseTime);
        f.tree.folder("bottom");
        f.storeOperation("top\\", "bottom\\");
        f.start();
        f.controller.command(IDC_SCAN);
        ASSERT_EQ(f.rows().size(), 4u);
        // Written by someone else after the scan: its row stays.
        f.tree.file("bottom\\d.txt", "mine", kBaseTime);
        f.clock.ticksPerRead = c.millisecondsPerRead;
        f.view.take();
        f.controller.command(IDC_MIDDLE);

        Lines expected{"Copied 0 of 4 files, 0 of 4,400 bytes"};
        expected.insert(expected.end(), c.during.begin(), c.during.end());
        expected.push_back("Done: 3 of 4 files. 1 stays in the list.");
        EXPECT_EQ(statusTexts(f.view.take()), expected);
        EXPECT_EQ(f.rows(), Lines{"0 d.txt"});
    }
}

}  // namespace
}  // namespace evenkeeper::test
