// Scan, the plan and the middle button on real folders: missing and overlapping folders,
// plans recomputed from the same scan, a run, and Enter while a field holds new text.
#include <gtest/gtest.h>

#include "app/ControllerFixture.h"
#include "platform/FullPath.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

const std::string kMissing = "message 0x30 Evenkeeper: Folder does not exist:\n";

TEST(MainScan, AMissingFolderIsNamedAndNothingIsScanned) {
    struct Case {
        const char* top;
        const char* bottom;
        const char* named;
    };
    const Case cases[] = {
        {"gone\\", "bottom\\", "gone\\"}, {"gone\\", "lost\\", "gone\\"},
        {"top\\", "lost\\", "lost\\"},    {"", "bottom\\", ""},
    };
    for (const Case& c : cases) {
        ControllerFixture f;
        f.tree.folder("top");
        f.tree.folder("bottom");
        f.storeOperation(c.top, c.bottom);
        f.start();
        f.view.take();
        f.controller.command(IDC_SCAN);
        SCOPED_TRACE(std::string("top '") + c.top + "', bottom '" + c.bottom + "'");
        EXPECT_EQ(f.view.take(), Lines{kMissing + (*c.named ? f.tree.path(c.named) : "")});
        EXPECT_TRUE(f.view.progressPanel.calls.empty());
        EXPECT_FALSE(f.controller.session().scanValid);
    }
}

TEST(MainScan, FoldersThatLieInOneAnotherWithinTheLevelsAreRefused) {
    struct Case {
        const char* top;
        const char* bottom;
        int levels;
        bool refused;
    };
    const Case cases[] = {
        {"x\\", "x\\", 0, true},          {"x\\sub\\..\\", "x\\", 0, true},
        {"x\\", "x\\sub\\", 16, true},  {"x\\", "x\\sub\\", 0, false},
        {"x\\sub\\deep\\", "x\\", 1, false}, {"x\\sub\\deep\\", "x\\", 2, true},
        // A folder link spells x\sub another way.
        {"x\\", "lnk\\", 1, true},  {"lnk\\deep\\", "x\\", 2, true},
        {"lnk\\", "x\\sub\\", 0, true}, {"x\\", "lnk\\deep\\", 1, false},
    };
    for (const Case& c : cases) {
        ControllerFixture f;
        f.tree.folder("x\\sub\\deep");
        f.tree.link("lnk", "x\\sub");
        f.storeOperation(c.top, c.bottom, kCopy, kTopToBottom, c.levels);
        f.start();
        f.view.take();
        f.controller.command(IDC_SCAN);
        SCOPED_TRACE(std::string("top ") + c.top + ", bottom " + c.bottom + ", levels " +
                     std::to_string(c.levels));
        const std::string notice = "message 0x30 Evenkeeper: The top and bottom folders overlap:\n" +
                                   fullFolderPath(f.tree.path(c.top).c_str()) + "\n" +
                                   fullFolderPath(f.tree.path(c.bottom).c_str()) + "\n";
        Lines calls = f.view.take();
        EXPECT_EQ(!calls.empty() && calls[0].compare(0, notice.size(), notice) == 0, c.refused);
        EXPECT_EQ(f.controller.session().scanValid, !c.refused);
        EXPECT_EQ(f.view.progressPanel.calls.empty(), c.refused);
    }
}

// The system takes these texts unparsed; they are refused rather than compared wrongly.
TEST(MainScan, FoldersInTheDeviceFormsAreRefused) {
    for (const std::string prefix : {"\\\\?\\", "\\\\.\\", "//?/"}) {
        ControllerFixture f;
        f.tree.folder("x");
        f.storeOperation("x\\", "");
        f.start();
        const std::string bottom = prefix + f.tree.path("x\\");
        f.commit(Field::bottomFolder, bottom);
        f.view.take();
        f.controller.command(IDC_SCAN);
        EXPECT_EQ(f.view.take(),
                  Lines{"message 0x30 Evenkeeper: Evenkeeper cannot sync a folder written in this "
                        "form:\n" + bottom + "\nWrite it with its drive letter or share, such as "
                        "D:\\Music\\."});
        EXPECT_FALSE(f.controller.session().scanValid);
    }
}

// Two files in the top folder (one in a subfolder), another in the bottom one, a Copy top to
// bottom; the calls before the Scan are forgotten, then it scans.
void scanThreeFiles(ControllerFixture& f) {
    f.tree.file("top\\a.txt", "alpha", kBaseTime);
    f.tree.file("top\\Album\\b.mp3", "beta", kBaseTime);
    f.tree.file("bottom\\c.txt", "gamma", kBaseTime);
    f.storeOperation("top\\", "bottom\\");
    f.start();
    f.view.take();
    f.controller.command(IDC_SCAN);
}

TEST(MainScan, PlansBehindTheProgressPanelAndEnablesTheMiddleButton) {
    ControllerFixture f;
    scanThreeFiles(f);
    EXPECT_EQ(f.rows(), (Lines{"0 a.txt", "0 b.mp3"}));
    EXPECT_TRUE(f.controller.session().scanValid);
    EXPECT_EQ(f.view.progressPanel.calls,
              (Lines{"colours 0 ee687b", "show Scanning folders...", "close", "colours 0 90ee90",
                     "show Finding differences...", "close"}));
    EXPECT_TRUE(f.view.middleEnabled);
}

TEST(MainScan, OpensTheResultsDialogAfterTheLongStep) {
    ControllerFixture f;
    scanThreeFiles(f);
    Lines calls = f.view.take();
    EXPECT_EQ(calls.front(), "long step on");
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2], "long step off");
}

TEST(MainScan, TheSameFolderTypedWithoutItsBackslashKeepsThePlan) {
    ControllerFixture f;
    scanThreeFiles(f);
    f.commit(Field::topFolder, f.tree.path("top"));
    EXPECT_EQ(f.rows(), (Lines{"0 a.txt", "0 b.mp3"}));
    EXPECT_TRUE(f.view.middleEnabled);
}

// Only the tables of the scan are compared: a file made since is not planned.
TEST(MainScan, ADirectionRecomputesThePlanFromTheScan) {
    ControllerFixture f;
    scanThreeFiles(f);
    f.tree.file("top\\late.txt", "late", kBaseTime);
    f.controller.command(IDC_DIRECTION);
    EXPECT_EQ(f.rows(), Lines{"1 c.txt"});
    f.controller.command(IDC_DIRECTION);
    EXPECT_EQ(f.rows(), (Lines{"0 a.txt", "0 b.mp3", "1 c.txt"}));
}

TEST(MainScan, DuplicateTurnsBothWaysToTopToBottomAndRecomputesThePlan) {
    ControllerFixture f;
    scanThreeFiles(f);
    f.controller.command(IDC_DIRECTION);
    f.controller.command(IDC_DIRECTION);
    f.controller.command(IDC_DUPLICATE);
    EXPECT_EQ(f.operation().direction, kTopToBottom);
    EXPECT_EQ(f.rows(), (Lines{"3 c.txt", "0 a.txt", "0 b.mp3"}));
}

// The run works from the scan's tables too, and leaves no plan to run again.
TEST(MainScan, TheMiddleButtonCarriesOutThePlanOnce) {
    ControllerFixture f;
    scanThreeFiles(f);
    f.tree.file("top\\late.txt", "late", kBaseTime);
    f.controller.command(IDC_MIDDLE);
    EXPECT_TRUE(f.rows().empty());
    EXPECT_EQ(f.tree.read("bottom\\a.txt"), "alpha");
    EXPECT_EQ(f.tree.read("bottom\\Album\\b.mp3"), "beta");
    EXPECT_FALSE(f.tree.exists("bottom\\late.txt"));
    EXPECT_FALSE(f.controller.session().scanValid);
    EXPECT_FALSE(f.view.middleEnabled);
    f.view.take();
    f.controller.command(IDC_MIDDLE);
    EXPECT_EQ(f.view.take(), Lines{});
}

TEST(MainScan, EnterScansWhatTheFieldShowsAndAnotherFolderOrAFailedScanDropsThePlan) {
    ControllerFixture f;
    f.tree.file("top\\a.txt", "alpha", kBaseTime);
    f.tree.file("other\\n.txt", "new", kBaseTime);
    f.tree.folder("bottom");
    f.storeOperation("top\\", "bottom\\");
    f.start();
    f.view.fields[Field::topFolder] = f.tree.path("other");
    f.view.focused = Field::topFolder;
    f.controller.command(IDC_SCAN);
    EXPECT_EQ(f.operation().topFolder, f.tree.path("other\\"));
    EXPECT_EQ(f.rows(), Lines{"0 n.txt"});
    EXPECT_TRUE(f.controller.session().unsavedChanges);

    f.view.focused = Field::none;
    f.commit(Field::bottomFolder, f.tree.path("top"));
    EXPECT_TRUE(f.rows().empty());
    EXPECT_FALSE(f.view.middleEnabled);
    EXPECT_FALSE(f.controller.session().scanValid);

    f.controller.command(IDC_SCAN);
    ASSERT_EQ(f.rows(), Lines{"0 n.txt"});
    // A quit message that waits stops the scan half-way.
    f.view.progressPanel.calls.clear();
    f.pump.quitAt = f.pump.calls + 1;
    f.controller.command(IDC_SCAN);
    EXPECT_EQ(f.view.progressPanel.calls, (Lines{"colours 0 ee687b", "show Scanning folders...", "close"}));
    EXPECT_TRUE(f.rows().empty());
    EXPECT_FALSE(f.view.middleEnabled);
    EXPECT_FALSE(f.controller.session().scanValid);
}

}  // namespace
}  // namespace evenkeeper::test
