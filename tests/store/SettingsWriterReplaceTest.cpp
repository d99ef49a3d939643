// What a save does on a real disk: paths up to 259 characters, a file that may not be
// written, a folder that takes no new file; and that it changes only the content of the
// file, neither its own properties and other names nor the user's files beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/DirectorySearch.h"
#include "store/SettingsText.h"
#include "store/SettingsWriter.h"
#include "support/Listing.h"
#include "support/Permissions.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

constexpr char kName[] = "Evenkeeper.txt";

bool save(const std::string& path) {
    SettingsWriter writer(systemFileSystem(), kSettingsNameLength, kSettingsLineLength);
    writer.begin(64000, 64000);
    writer.addLine("new");
    return writer.writeTo(path.c_str());
}

// A property of the file's own that a new file would not have, and a second name of a file.
#ifdef _WIN32
constexpr DWORD kOwn = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
bool giveOwnProperty(const std::string& path) { return SetFileAttributesA(path.c_str(), kOwn); }
bool hasOwnProperty(const std::string& path) {
    return (GetFileAttributesA(path.c_str()) & kOwn) == kOwn;
}
bool makeSecondName(const std::string& path, const std::string& name) {
    return CreateHardLinkA(name.c_str(), path.c_str(), nullptr);
}
#else
bool giveOwnProperty(const std::string& path) { return chmod(path.c_str(), 0600) == 0; }
bool hasOwnProperty(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && (info.st_mode & 07777) == 0600;
}
bool makeSecondName(const std::string& path, const std::string& name) {
    return link(path.c_str(), name.c_str()) == 0;
}
#endif

TEST(SettingsWriterOnDisk, SavesPathsOfUpTo259Characters) {
    const struct {
        std::size_t length;
        const char* name;
        bool saved;
    } cases[] = {
        {256, kName, true},
        {259, kName, true},
        {259, "a.txt", true},  // no room for a temporary name beside it: written in place
        {260, kName, false},
    };
    TempTree tree;
    for (const auto& c : cases) {
        // One folder for each case, as the lengths of the folders differ.
        std::string folder(c.length - tree.root().size() - std::strlen(c.name) - 1, 'f');
        tree.folder(folder);
        const std::string path = tree.path(folder + "\\" + c.name);
        ASSERT_EQ(path.size(), c.length);
        EXPECT_EQ(save(path), c.saved) << path;
        EXPECT_EQ(listing(tree.path(folder + "\\")), c.saved ? Lines{c.name} : Lines{}) << path;
        EXPECT_EQ(tree.read(folder + "\\" + c.name), c.saved ? "new\r\n" : "") << path;
    }
}

TEST(SettingsWriterAsUser, LeavesAReadOnlyFileAndWritesInPlaceWhereNoFileCanBeMade) {
    REQUIRE_UNPRIVILEGED();
    TempTree tree;
    tree.file("read-only\\Evenkeeper.txt", "old", kBaseTime);
    tree.setAttributes("read-only\\Evenkeeper.txt", kAttributeReadOnly);
    tree.file("share\\Evenkeeper.txt", "old", kBaseTime);
    tree.forbidNewFiles("share");
    EXPECT_FALSE(save(tree.path("read-only\\Evenkeeper.txt")));
    EXPECT_TRUE(save(tree.path("share\\Evenkeeper.txt")));
    EXPECT_EQ(tree.read("read-only\\Evenkeeper.txt"), "old");
    EXPECT_EQ(tree.read("share\\Evenkeeper.txt"), "new\r\n");
    EXPECT_EQ(listing(tree.path("read-only\\")), Lines{kName});
    EXPECT_EQ(listing(tree.path("share\\")), Lines{kName});
}

TEST(SettingsWriterOnDisk, ChangesNothingButTheContentOfTheFileItSaves) {
    TempTree tree;
    tree.file(kName, "old", kBaseTime);
    tree.file("linked.txt", "old", kBaseTime);
    tree.file("Evenkeeper.txt.tmp", "mine", kBaseTime);
    tree.file("~evk000.tmp", "mine", kBaseTime);  // the writer's first choice of a name
    tree.file("target.txt", "old", kBaseTime);
    tree.link("link.txt", "target.txt");  // a symbolic link to the file
    ASSERT_TRUE(giveOwnProperty(tree.path(kName)));
    ASSERT_TRUE(makeSecondName(tree.path("linked.txt"), tree.path("second name.txt")));
    ASSERT_TRUE(save(tree.path(kName)));
    ASSERT_TRUE(save(tree.path("linked.txt")));
    ASSERT_TRUE(save(tree.path("link.txt")));
    EXPECT_TRUE(hasOwnProperty(tree.path(kName)));
    EXPECT_EQ(tree.read(kName) + tree.read("second name.txt"), "new\r\nnew\r\n");
    EXPECT_EQ(tree.read("target.txt"), "new\r\n") << "saved into the file the link points to";
    EXPECT_EQ(tree.read("Evenkeeper.txt.tmp") + tree.read("~evk000.tmp"), "minemine");
    EXPECT_EQ(listing(tree.root()), (Lines{kName, "Evenkeeper.txt.tmp", "link.txt", "linked.txt",
                                           "second name.txt", "target.txt", "~evk000.tmp"}));
}

}  // namespace
}  // namespace evenkeeper::test
