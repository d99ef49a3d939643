// The notice after a Scan that passed over folders: how many, the first five by name, and
// deep folders shortened.
#include <gtest/gtest.h>

#include "app/UnreadFolderNotice.h"

namespace evenkeeper::test {
namespace {

const std::string kNoticeEnd =
    "(folder links, links to files, system folders, folders without access, paths too long)\n"
    "Nothing in or through them will be copied or deleted.";

TEST(UnreadFolderNotice, CountsAllNamesTheFirstFiveAndShortensDeepFolders) {
    EXPECT_EQ(unreadFolderNotice({}, {}), "");
    EXPECT_EQ(unreadFolderNotice({"a\\link.txt"}, {}),
              "Evenkeeper did not read 1 link to a file:\ntop: a\\link.txt\n" + kNoticeEnd);
    EXPECT_EQ(unreadFolderNotice({"x\\"}, {"b.txt"}),
              "Evenkeeper did not read 2 folders and links to files:\ntop: x\\\nbottom: b.txt\n" +
                  kNoticeEnd);
    EXPECT_EQ(unreadFolderNotice({}, {"Player\\"}),
              "Evenkeeper did not read 1 folder:\n"
              "bottom: Player\\\n" + kNoticeEnd);
    const std::string deep(70, 'd');
    EXPECT_EQ(unreadFolderNotice({"", "a\\", deep + "\\", "b\\"}, {"c\\", "e\\", "f\\"}),
              "Evenkeeper did not read 7 folders:\n"
              "top: the folder itself\n"
              "top: a\\\n"
              "top: ..." + std::string(56, 'd') + "\\\n"
              "top: b\\\n"
              "bottom: c\\\n"
              "and 2 more\n" + kNoticeEnd);
}

}  // namespace
}  // namespace evenkeeper::test
