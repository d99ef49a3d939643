// The notice after a Scan that passed over folders or files: how many, the first five by
// name, and deep folders shortened.
#include <gtest/gtest.h>

#include "app/UnreadFolderNotice.h"

namespace evenkeeper::test {
namespace {

const std::string kFoldersEnd =
    "(folder links, system folders, folders without access, paths too long)\n"
    "Nothing in them will be copied or deleted.";
const std::string kFilesEnd =
    "(folder links, links to files, system folders, folders without access,\n"
    "paths too long, names the system cannot carry)\n"
    "None of them, and nothing in them, will be copied or deleted.";

TEST(UnreadFolderNotice, CountsAllNamesTheFirstFiveAndShortensDeepFolders) {
    EXPECT_EQ(unreadFolderNotice({}, {}), "");
    EXPECT_EQ(unreadFolderNotice({"a\\link.txt"}, {}),
              "Evenkeeper did not read 1 file:\ntop: a\\link.txt\n" + kFilesEnd);
    EXPECT_EQ(unreadFolderNotice({}, {"Player\\"}),
              "Evenkeeper did not read 1 folder:\n"
              "bottom: Player\\\n" + kFoldersEnd);
    const std::string deep(70, 'd');
    EXPECT_EQ(unreadFolderNotice({"", "a\\", deep + "\\", "b\\"}, {"c\\", "e\\", "f\\"}),
              "Evenkeeper did not read 7 folders:\n"
              "top: the folder itself\n"
              "top: a\\\n"
              "top: ..." + std::string(56, 'd') + "\\\n"
              "top: b\\\n"
              "bottom: c\\\n"
              "and 2 more\n" + kFoldersEnd);
    std::string japanese;  // 30 letters of three bytes: shortened between letters
    for (int i = 0; i < 30; ++i) japanese += u8"日";
    EXPECT_EQ(unreadFolderNotice({japanese + "\\"}, {"x\\what?.txt"}),
              "Evenkeeper did not read 1 folder and 1 file:\n"
              "top: ..." + japanese.substr(36) + "\\\n"
              "bottom: x\\what?.txt\n" + kFilesEnd);
}

}  // namespace
}  // namespace evenkeeper::test
