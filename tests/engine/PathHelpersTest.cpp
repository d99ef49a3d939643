// The small helpers of the run: folder tests and creation, path cutting, dates and times,
// grouped numbers.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/NumberText.h"
#include "engine/PathHelpers.h"
#include "support/FixedClock.h"
#include "support/TempTree.h"

namespace evenkeeper::test {
namespace {

// Records the folders that makePath asks for.
struct FolderRecorder : FileSystem {
    std::vector<std::string> created;
    CreateResult createDirectory(const char* path) override {
        created.push_back(path);
        return CreateResult::alreadyExists;
    }
    CopyResult copyToNewFile(const char*, const char*) override { return {CopyOutcome::failed, 0}; }
    CopyResult renameOver(const char*, const char*) override { return {CopyOutcome::failed, 0}; }
    CopyResult renameToNew(const char*, const char*) override { return {CopyOutcome::failed, 0}; }
    bool deleteFile(const char*) override { return false; }
    std::uint32_t lastError() override { return 0; }
    bool removeDirectory(const char*) override { return false; }
    bool setAttributes(const char*, std::uint32_t) override { return false; }
    FileState fileState(const char*) override { return {}; }
    std::string nameOnDisk(const char* path) override { return lastName(path); }
    bool setCurrentDirectory(const char*) override { return false; }
    bool getCurrentDirectory(char*, int) override { return false; }
    bool tempFolder(char*, int) override { return false; }
    FileHandle createFile(const char*) override { return nullptr; }
    CreateResult createNewFile(const char*, FileHandle&) override { return CreateResult::failed; }
    bool writeFile(FileHandle, const void*, std::uint32_t) override { return false; }
    void closeFile(FileHandle) override {}
    bool readWholeFile(const char*, std::string&) override { return false; }
    ReplaceResult replaceFile(const char*, const char*) override { return ReplaceResult::refused; }
    std::string errorText(std::uint32_t) override { return {}; }
};

TEST(MakePath, SkipsTheDriveOrTheServerAndShare) {
    struct Case {
        const char* path;
        std::vector<std::string> created;
    } cases[] = {
        {"C:\\a\\b\\", {"C:\\a", "C:\\a\\b"}},
        {"C:\\a\\b", {"C:\\a", "C:\\a\\b"}},
        {"\\\\server\\share\\x\\y\\", {"\\\\server\\share\\x", "\\\\server\\share\\x\\y"}},
        {"C:\\", {}},
    };
    for (const Case& c : cases) {
        FolderRecorder files;
        EXPECT_EQ(makePath(files, c.path), 1) << c.path;
        EXPECT_EQ(files.created, c.created) << c.path;
    }
}

TEST(MakePath, CreatesRealFoldersAndFolderExistsRestoresTheCurrentDirectory) {
    TempTree tree;
    FileSystem& files = systemFileSystem();
    char before[300], after[300];
    ASSERT_TRUE(files.getCurrentDirectory(before, sizeof before));
    EXPECT_EQ(folderExists(files, tree.path("a\\b\\c\\").c_str()), 0);
    EXPECT_EQ(makePath(files, tree.path("a\\b\\c\\").c_str()), 1);
    EXPECT_NE(folderExists(files, tree.path("a\\b\\c\\").c_str()), 0);
    ASSERT_TRUE(files.getCurrentDirectory(after, sizeof after));
    EXPECT_STREQ(before, after);
    tree.file("a\\file", 1, 0);
    EXPECT_EQ(makePath(files, tree.path("a\\file\\sub\\").c_str()), 0);
}

TEST(CutToFolder, KeepsUpToTheLastSeparator) {
    const char* cases[][2] = {{"C:\\a\\b.txt", "C:\\a\\"}, {"C:b.txt", "C:"},
                              {"a/b", "a/"}, {"name", ""}, {"C:\\a\\", "C:\\a\\"}};
    for (auto& c : cases) {
        char path[40];
        std::strcpy(path, c[0]);
        cutToFolder(path);
        EXPECT_STREQ(path, c[1]) << c[0];
    }
}

TEST(DateText, TwoDigitsDatesAndTwelveHourTimes) {
    char text[16];
    twoDigits(7, text);
    EXPECT_STREQ(text, "07");
    twoDigits(10, text);
    EXPECT_STREQ(text, "10");
    formatDate({2007, 7, 3, 0, 0, 0}, text);
    EXPECT_STREQ(text, "07/03/07");

    struct Case {
        LocalTime time;
        const char* date;
        const char* clock;
    } cases[] = {
        {{2007, 7, 3, 14, 5, 9}, "07/03/07", "02:05:09pm"},
        {{2026, 12, 8, 0, 30, 15}, "12/08/26", "12:30:15am"},
        {{2000, 1, 1, 12, 0, 0}, "01/01/00", "12:00:00pm"},
        {{1999, 12, 31, 23, 59, 59}, "12/31/99", "11:59:59pm"},
    };
    for (const Case& c : cases) {
        FixedClock clock;
        clock.time = c.time;
        char date[kDateTextSize], time[kTimeTextSize];
        formatFileTime(clock, 1, date, time);
        EXPECT_STREQ(date, c.date);
        EXPECT_STREQ(time, c.clock);
    }
    FixedClock broken;
    broken.convertible = false;
    char date[kDateTextSize] = "x", time[kTimeTextSize] = "y";
    formatFileTime(broken, 1, date, time);
    EXPECT_STREQ(date, "");
    EXPECT_STREQ(time, "");
}

TEST(GroupThousands, GroupsTheFirstRunOfDigits) {
    const char* cases[][2] = {
        {"1234567", "1,234,567"}, {"123", "123"}, {"0", "0"}, {"1000", "1,000"},
        {"18446744073709551615", "18,446,744,073,709,551,615"}, {"abc 12345 files", "abc 12,345"},
        {"none", "none"}, {"", ""},
    };
    for (auto& c : cases) {
        char text[40];
        std::strcpy(text, c[0]);
        groupThousands(text);
        EXPECT_STREQ(text, c[1]) << c[0];
    }
}

}  // namespace
}  // namespace evenkeeper::test
