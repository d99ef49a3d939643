// The sync operations data file on a real disk: the stored example byte for byte, the first
// start, the letters of the sections, numbers out of range, the mark of a data file, and a
// rejected file that is never overwritten.
#include <gtest/gtest.h>

#include "StoreFakes.h"
#include "store/DataFile.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kHeader = "[Program Settings]\r\np=Evenkeeper\r\nv=1.0\r\n";
const std::string kExample = kHeader +
    "index=1\r\n"
    "[a]\r\nC:\\Music\\\r\nF:\\\r\noperation=2\r\ndirection=0\r\nlevels=16\r\n12/07/26\r\n"
    "[b]\r\nD:\\Work\\\r\nE:\\Backup\\Work\\\r\noperation=0\r\ndirection=2\r\nlevels=3\r\nnot used\r\n";
const Lines kExampleRecords = {"C:\\Music\\|F:\\|2|0|16|12/07/26",
                               "D:\\Work\\|E:\\Backup\\Work\\|0|2|3|not used"};
const Lines kBlank = {"||0|0|16|not used"};

std::string record(const std::string& name, const std::string& lines) {
    return "[" + name + "]\r\n" + lines;
}

struct DataFileTest : ::testing::Test {
    TempTree tree;
    StoreFixture f{systemFileSystem()};
    void SetUp() override { f.session.dataFilePath = tree.path("Evenkeeper.txt"); }
    void write(const std::string& text) { tree.file("Evenkeeper.txt", text, kBaseTime); }
    std::string saved() {
        f.session.unsavedChanges = true;
        saveDataFile(f.context);
        return tree.read("Evenkeeper.txt");
    }
};

TEST_F(DataFileTest, ReadsAndWritesTheTwoOperationExampleByteForByte) {
    write(kExample);
    EXPECT_TRUE(loadDataFile(f.context));
    EXPECT_EQ(f.records(), kExampleRecords);
    EXPECT_EQ(f.storeDialog.calls, (Lines{"select 1", "direction icon"}));
    EXPECT_EQ(f.dialog.statusTexts, Lines{f.session.dataFilePath});
    EXPECT_EQ(f.session.currentOperation, f.store.at(1));
    write("");
    EXPECT_EQ(saved(), kExample);
}

// An older version wrote the system's code page (1252 here): its lines come back as the
// letters the user typed, the save writes them in UTF-8, and a converted line longer than a
// folder's room is cut between letters.
TEST_F(DataFileTest, AFileOfTheLegacyCodePageIsReadAndSavedInUtf8) {
    const std::string longFolder(200, '\xE9');
    write(kHeader + "index=0\r\n" +
          record("a", "C:\\Musik\\Bj\xF6rk\\\r\n" + longFolder + "\r\noperation=0\r\n"
                      "direction=0\r\nlevels=16\r\nnot used\r\n") +
          record("b", u8"D:\\日本\\\r\nE:\\Caf\xE9 \x80 5\\\r\noperation=0\r\ndirection=0\r\n"
                      "levels=3\r\nnot used\r\n"));
    ASSERT_TRUE(loadDataFile(f.context));
    std::string cutFolder;
    for (int i = 0; i < 139; ++i) cutFolder += u8"é";  // 278 of the 279 bytes
    cutFolder += '\\';  // the closing backslash a typed folder gets
    const Lines expected = {u8"C:\\Musik\\Björk\\|" + cutFolder + "|0|0|16|not used",
                            u8"D:\\日本\\|E:\\Café € 5\\|0|0|3|not used"};
    EXPECT_EQ(f.records(), expected);
    EXPECT_EQ(saved(), kHeader + "index=0\r\n" +
                           record("a", u8"C:\\Musik\\Björk\\\r\n" + cutFolder +
                                           "\r\noperation=0\r\ndirection=0\r\nlevels=16\r\nnot used\r\n") +
                           record("b", u8"D:\\日本\\\r\nE:\\Café € 5\\\r\noperation=0\r\n"
                                       "direction=0\r\nlevels=3\r\nnot used\r\n"));
}

TEST_F(DataFileTest, LoadingAndExitingWithoutChangeLeavesTheFileAlone) {
    write(kExample);
    loadDataFile(f.context);
    saveDataFile(f.context);
    EXPECT_EQ(tree.lastWrite("Evenkeeper.txt"), kBaseTime);
}

TEST_F(DataFileTest, FirstStartGivesOneBlankOperationAndNoFileUntilAChangeIsSaved) {
    EXPECT_TRUE(loadDataFile(f.context));
    EXPECT_EQ(f.records(), kBlank);
    EXPECT_EQ(f.session.index, 0);
    EXPECT_EQ(f.storeDialog.calls, (Lines{"select 0", "direction icon"}));
    saveDataFile(f.context);
    EXPECT_FALSE(tree.exists("Evenkeeper.txt"));
    EXPECT_EQ(saved(), kHeader + "index=0\r\n" +
                           record("a", "\r\n\r\noperation=0\r\ndirection=0\r\nlevels=16\r\nnot used\r\n"));
}

TEST_F(DataFileTest, ReadsSectionsUpToTheFirstMissingLetterInAnyCase) {
    const std::string lines = "T\\\r\nB\\\r\noperation=1\r\ndirection=1\r\nlevels=2\r\nnot used\r\n";
    write(kHeader + "index=5\r\n" + record("A", lines) + record("b", lines) + record("d", lines));
    loadDataFile(f.context);
    EXPECT_EQ(f.records(), Lines(2, "T\\|B\\|1|1|2|not used"));
    // The stored index lies beyond the records: the main dialog falls back to the first.
    EXPECT_EQ(f.storeDialog.calls.front(), "select 5");
    EXPECT_EQ(saved(), kHeader + "index=0\r\n" + record("a", lines) + record("b", lines));
}

TEST_F(DataFileTest, BringsNumbersIntoRange) {
    const struct {
        const char* lines;
        const char* expected;
    } cases[] = {
        {"operation=7\r\ndirection=-1\r\nlevels=20", "0|0|16"},
        {"operation=-1\r\ndirection=3\r\nlevels=-3", "0|0|0"},
        {"operation=2junk\r\ndirection=2\r\nlevels=0", "2|2|0"},
        {"xxxxxxxxxx1\r\nyyyyyyyyyy1\r\nzzzzzzz5", "1|1|5"},  // the prefixes are not examined
        {"operation=\r\ndirection\r\nlevels", "0|0|0"},
        {"operation=4294967297\r\ndirection=+1\r\nlevels= 7", "1|1|7"},
    };
    for (const auto& c : cases) {
        write(kHeader + record("a", std::string("t\r\nb\r\n") + c.lines + "\r\nnot used"));
        loadDataFile(f.context);
        EXPECT_EQ(f.records(), Lines{std::string("t\\|b\\|") + c.expected + "|not used"}) << c.lines;
    }
}

TEST_F(DataFileTest, CutsShortAndOverlongRecordsWithoutOverflowing) {
    write(kHeader + record("a", "top\r\nbottom\r\n") +
          record("b", std::string(300, 'f') + "\r\n\r\noperation=1\r\ndirection=1\r\nlevels=1\r\n" +
                          std::string(20, 'u')));
    loadDataFile(f.context);
    EXPECT_EQ(f.records(), (Lines{"top\\|bottom\\|0|0|0|",
                                  std::string(279, 'f') + "||1|1|1|" + std::string(15, 'u')}));
}

// A folder edited by hand or written by another program takes the form a typed one gets.
TEST_F(DataFileTest, FoldersWithoutTheClosingBackslashGetOne) {
    write(kHeader + record("a", "E:\r\nD:\\src\r\noperation=0\r\ndirection=0\r\nlevels=1\r\nnot used\r\n") +
          record("b", "\r\n" + std::string(279, 'f') + "\r\noperation=0\r\ndirection=0\r\nlevels=1\r\nnot used\r\n"));
    loadDataFile(f.context);
    EXPECT_EQ(f.records(), (Lines{"E:\\|D:\\src\\|0|0|1|not used",
                                  "|" + std::string(279, 'f') + "|0|0|1|not used"}));
}

TEST_F(DataFileTest, ARejectedFileKeepsOneOperationAndIsNeverWritten) {
    const struct {
        std::string text;
        bool accepted;
    } cases[] = {
        {"[program settings]\r\nP=Evenkeeper\r\n", true},
        {"[Program Settings]\r\nxyEvenkeeper\r\n", true},
        {"[Program Settings]\r\np=evenkeeper\r\n", false},
        {"[Program Settings]\r\np= Evenkeeper\r\n", false},
        {"[Program Settings]\r\np=Evenkeeper \r\n", false},
        {"[Program Settings]\r\nE\r\n", false},
        {"[Program Settings]\r\n[a]\r\np=Evenkeeper\r\n", false},
        {"Dear diary,\r\np=Evenkeeper\r\n", false},
        {"", true},  // holds nothing to lose: a new data file
    };
    for (const auto& c : cases) {
        write(c.text);
        EXPECT_EQ(loadDataFile(f.context), c.accepted) << c.text;
        EXPECT_EQ(f.records(), kBlank) << c.text;
        EXPECT_EQ(f.session.currentOperation, f.store.at(0));
        EXPECT_EQ(f.session.dataFileRejected, !c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(saved(), c.text);
        }
    }
}

TEST_F(DataFileTest, AnEmptyFileIsWrittenOnceChanged) {
    write("");
    EXPECT_TRUE(loadDataFile(f.context));
    EXPECT_EQ(saved(), kHeader + "index=0\r\n" +
                           record("a", "\r\n\r\noperation=0\r\ndirection=0\r\nlevels=16\r\nnot used\r\n"));
}

TEST_F(DataFileTest, NewOperationsGoToTheFrontUpTo26) {
    for (int i = 0; i < maxSyncOperations - 1; ++i) f.store.addBack(SyncOperation());
    f.store.at(0)->levels = 3;
    newSyncOperation(f.context);
    EXPECT_EQ(f.store.count(), 26);
    EXPECT_EQ(f.store.at(1)->levels, 3);
    EXPECT_EQ(f.storeDialog.calls, Lines{"select 0"});
    EXPECT_FALSE(f.session.unsavedChanges);
    newSyncOperation(f.context);
    EXPECT_EQ(f.store.count(), 26);
    EXPECT_EQ(f.storeDialog.calls.size(), 1u);
    EXPECT_EQ(f.dialog.messages,
              Lines{"Evenkeeper: Too many sync operations, delete some to continue."});
}

}  // namespace
}  // namespace evenkeeper::test
