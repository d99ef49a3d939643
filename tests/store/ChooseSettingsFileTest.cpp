// Switching to another data file: the "Save Sync info?" question and each answer, the file
// dialog's parameters, a new file, and a chosen file that is not a data file.
#include <gtest/gtest.h>

#include <cstring>

#include "StoreFakes.h"
#include "store/ChooseSettingsFile.h"
#include "store/DataFile.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kOld = "[Program Settings]\r\np=Evenkeeper\r\nv=1.0\r\nindex=0\r\n"
                         "[a]\r\nC:\\Old\\\r\n\r\noperation=0\r\ndirection=0\r\nlevels=16\r\nnot used\r\n";

struct ChooseTest : ::testing::Test {
    TempTree tree;
    StoreFixture f{systemFileSystem()};
    FakeFileDialog fileDialog;
    void SetUp() override {
        tree.file("old.txt", kOld, kBaseTime);
        f.session.dataFilePath = tree.path("old.txt");
        f.session.settingsFilePath = tree.path("GlobalSettings.ini");
        loadDataFile(f.context);
        f.storeDialog.calls.clear();
        f.dialog.statusTexts.clear();
        fileDialog.chosen = tree.path("new.txt");
    }
    // An edit of the current operation, not yet saved.
    void change() {
        std::strcpy(f.session.currentOperation->topFolder, "C:\\Edited\\");
        f.session.unsavedChanges = true;
    }
    std::string opened() const { return "show '' 260 " + f.session.settingsFilePath; }
};

const char kQuestion[] = "ask 0x23 Evenkeeper: Save Sync info?";

TEST_F(ChooseTest, AnswersToSaveSyncInfo) {
    const struct {
        int answer;
        bool saved, switched;
    } cases[] = {{kAnswerYes, true, true}, {kAnswerNo, false, true}, {0, false, true},
                 {kAnswerCancel, false, false}};
    for (const auto& c : cases) {
        SetUp();
        change();
        f.storeDialog.answer = c.answer;
        fileDialog.calls.clear();
        chooseSettingsFile(f.context, fileDialog);
        EXPECT_EQ(f.storeDialog.calls.front(), kQuestion);
        EXPECT_EQ(tree.read("old.txt").find("C:\\Edited\\") != std::string::npos, c.saved)
            << c.answer;
        EXPECT_EQ(fileDialog.calls, c.switched ? Lines{opened()} : Lines{}) << c.answer;
        EXPECT_EQ(f.session.dataFilePath, tree.path(c.switched ? "new.txt" : "old.txt"));
        EXPECT_STREQ(f.store.at(0)->topFolder, c.switched ? "" : "C:\\Edited\\");
    }
}

TEST_F(ChooseTest, ANewNameGivesOneBlankOperationAndShowsItsPath) {
    chooseSettingsFile(f.context, fileDialog);
    EXPECT_EQ(fileDialog.calls, Lines{opened()});  // no question without unsaved changes
    EXPECT_EQ(f.store.count(), 1);
    EXPECT_EQ(f.storeDialog.calls, (Lines{"select 0", "direction icon"}));
    EXPECT_EQ(f.dialog.statusTexts, Lines{tree.path("new.txt")});
    EXPECT_FALSE(tree.exists("new.txt"));
}

TEST_F(ChooseTest, ACancelledFileDialogChangesNothing) {
    fileDialog.chosen.clear();
    chooseSettingsFile(f.context, fileDialog);
    EXPECT_EQ(f.session.dataFilePath, tree.path("old.txt"));
    EXPECT_STREQ(f.store.at(0)->topFolder, "C:\\Old\\");
    EXPECT_TRUE(f.storeDialog.calls.empty());
}

TEST_F(ChooseTest, AFileThatIsNoDataFileIsReportedAndKeptAsItWas) {
    const std::string letter = "Dear diary,\r\ntoday I chose the wrong file.\r\n";
    tree.file("notes.txt", letter, kBaseTime);
    fileDialog.chosen = tree.path("notes.txt");
    chooseSettingsFile(f.context, fileDialog);
    EXPECT_EQ(f.dialog.messages,
              Lines{"Evenkeeper: " + tree.path("notes.txt") + "\nNot a Evenkeeper data file."});
    EXPECT_EQ(f.store.count(), 1);
    EXPECT_EQ(f.session.currentOperation, f.store.at(0));
    change();
    saveDataFile(f.context);
    EXPECT_EQ(tree.read("notes.txt"), letter);
    EXPECT_EQ(tree.lastWrite("notes.txt"), kBaseTime);
}

}  // namespace
}  // namespace evenkeeper::test
