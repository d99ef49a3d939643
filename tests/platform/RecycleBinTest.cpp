// The POSIX stand-in for the Recycle Bin: a trash folder of the user's, in the
// freedesktop.org layout, which only ever renames a file into it.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <cstdlib>

#include "platform/RecycleBin.h"
#include "platform/posix/Cp1252.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::test {
namespace {

struct DataHome {
    explicit DataHome(const std::string& folder) { setenv("XDG_DATA_HOME", posixPath(folder.c_str()).c_str(), 1); }
    ~DataHome() { unsetenv("XDG_DATA_HOME"); }
};

TEST(RecycleBin, FilesGoToTheUsersTrashFolderAndARefusedOneStaysInPlace) {
    TempTree tree;
    tree.file("a b\\same.txt", "first", kBaseTime);
    tree.file("c\\same.txt", "second", kBaseTime);
    RecycleBin& bin = systemRecycleBin();
    tree.folder("data");
    DataHome data(tree.path("data"));
    ASSERT_TRUE(bin.holds(tree.path("c\\").c_str()));
    EXPECT_TRUE(bin.recycle({tree.path("a b\\same.txt"), tree.path("c\\same.txt")}).empty());
    EXPECT_FALSE(tree.exists("a b\\same.txt") || tree.exists("c\\same.txt"));
    EXPECT_EQ(tree.read("data\\Trash\\files\\same.txt"), "first");
    std::string info = tree.read("data\\Trash\\info\\same.txt.trashinfo");
    EXPECT_NE(info.find("Path=" + posixPath(tree.root().c_str()) + "a%20b/same.txt\n"), std::string::npos) << info;

    tree.file("c\\kept.txt", "kept", kBaseTime);
    tree.file("broken\\Trash", "not a folder", kBaseTime);
    DataHome broken(tree.path("broken"));
    std::vector<RecycleFailure> failed = bin.recycle({tree.path("c\\kept.txt")});
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(tree.read("c\\kept.txt"), "kept");
}

}  // namespace
}  // namespace evenkeeper::test
#endif
