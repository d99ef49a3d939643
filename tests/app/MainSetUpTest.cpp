// The main dialog's set-up order.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

TEST(MainSetUp, StoredWidthsBeforeTheColumnsLayoutBeforeThePlacementThenNoPlan) {
    ControllerFixture f;
    f.tree.file(f.settingsFile(),
                "[Program Settings]\r\nCols=0A 00 00 00 14 00 00 00 1E 00 00 00 28 00 00 00 \r\n"
                "flags=0\r\nshowCmd=1\r\nrcNormal=64 00 00 00 50 00 00 00 6C 02 00 00 30 02 00 00 \r\n",
                kBaseTime);
    EXPECT_EQ(f.controller.setUp(), 0);
    const std::string dataFile = f.tree.path(f.dataFile());
    // No data file yet: one blank operation is loaded and shown.
    EXPECT_EQ(f.view.take(),
              (Lines{"status bar", "measure", "program icon", "attach",
                     "middle off", "field top ", "field bottom ", "check 0", "field levels 16", "icon 0",
                     "middle label Copy", "status " + dataFile, "icon 0",
                     "columns 10 20 30 40", "menus", "image list", "caption Evenkeeper",
                     "layout 0,580,800,600 0,90,792,576", "placement", "middle off"}));
    EXPECT_EQ(f.store.count(), 1);
    EXPECT_EQ(f.controller.session().dataFilePath, dataFile);
    EXPECT_EQ(f.controller.session().logFilePath, f.tree.path(f.logFile()));
    EXPECT_FALSE(f.controller.session().scanValid);
    EXPECT_FALSE(f.controller.session().unsavedChanges);

    f.view.client = {300, 200};
    f.controller.sizeChanged();
    EXPECT_EQ(f.view.take(), Lines{"layout 0,180,300,200 0,90,292,176"});

    ControllerFixture noTemp;
    noTemp.files.temp.clear();
    noTemp.start();
    EXPECT_EQ(noTemp.controller.session().logFilePath, "\\EvenkeeperLog.txt");
}

// Columns 0 wide, negative or wider than the 1024-pixel screen, and a window left 112 x 27
// pixels small, would make the window unusable at every start: they fall back to the
// defaults, while a sane width stays.
TEST(MainSetUp, UnusableWidthsAndSizeFallBackToTheDefaults) {
    ControllerFixture f;
    f.tree.file(f.settingsFile(),
                "[Program Settings]\r\nCols=00 00 00 00 FB FF FF FF 01 04 00 00 5A 00 00 00 \r\n"
                "flags=0\r\nshowCmd=1\r\nrcNormal=64 00 00 00 50 00 00 00 D4 00 00 00 6B 00 00 00 \r\n",
                kBaseTime);
    f.controller.setUp();
    Lines calls = f.view.take();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "columns 320 90 120 90"), calls.end());
    EXPECT_EQ(std::find(calls.begin(), calls.end(), "placement"), calls.end());
}

}  // namespace
}  // namespace evenkeeper::test
