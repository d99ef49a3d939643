// The main dialog's set-up order.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace evenkeeper::test
