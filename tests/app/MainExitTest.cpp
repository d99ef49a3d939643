// What Exit and the end of a Windows session save, and what Exit deletes.
#include <gtest/gtest.h>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

TEST(MainExit, SavesSettingsAndOnlyAChangedDataFileDeletesTheLogAndEnds) {
    ControllerFixture f;
    f.start();
    f.tree.file(f.logFile(), "old log", kBaseTime);
    // The View menu's directions are no change of the stored operation.
    f.controller.command(IDM_SHOW_BOTTOM_TO_TOP);
    EXPECT_EQ(f.operation().direction, kBottomToTop);
    f.view.take();
    ASSERT_FALSE(f.tree.exists(f.settingsFile()));
    f.controller.command(IDM_EXIT);
    EXPECT_EQ(f.view.take(), Lines{"end 0"});
    EXPECT_TRUE(f.tree.exists(f.settingsFile()));
    EXPECT_FALSE(f.tree.exists(f.dataFile()));
    EXPECT_FALSE(f.tree.exists(f.logFile()));
}

TEST(MainExit, EscapeInAFieldSavesWhatTheFieldShows) {
    ControllerFixture f;
    f.start();
    f.view.fields[Field::bottomFolder] = "E:\\Player";
    f.view.focused = Field::bottomFolder;
    f.controller.command(IDM_EXIT);
    EXPECT_NE(f.tree.read(f.dataFile()).find("\r\nE:\\Player\\\r\n"), std::string::npos);
}

TEST(MainExit, SessionEndingSavesAsExitWouldWithoutEndingTheDialog) {
    ControllerFixture f;
    f.start();
    f.tree.file(f.logFile(), "old log", kBaseTime);
    f.controller.command(IDC_DIRECTION);
    f.view.take();
    ASSERT_FALSE(f.tree.exists(f.settingsFile()));
    f.controller.sessionEnding();
    EXPECT_EQ(f.view.take(), Lines{});
    EXPECT_TRUE(f.tree.exists(f.settingsFile()));
    EXPECT_NE(f.tree.read(f.dataFile()).find("\r\ndirection=1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace evenkeeper::test
