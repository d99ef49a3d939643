// A walk whose file pattern leaves names out: only the matching files are taken, and every
// subfolder is entered whether or not its name matches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/FolderWalker.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

class RecordingWalker : public FolderWalker {
public:
    RecordingWalker(DirectorySearch& search, std::size_t rootLength)
        : FolderWalker(search), rootLength_(rootLength) {}
    Lines seen;

protected:
    int OnLeaveFolder() override { return 0; }
    int OnFile(const FindData& item) override {
        seen.push_back(relative() + item.name);
        return 0;
    }
    int OnEnterFolder(const FindData*) override {
        seen.push_back("enter " + relative());
        return 0;
    }
    int OnBeforeDescend(const FindData&) override { return 0; }
    void OnUnreadFolder(const char* parentPath, const char*) override {
        seen.push_back(std::string("unread ") + parentPath);
    }
    void OnUnreadFile(const char* parentPath, const char* name) override {
        seen.push_back(std::string("unread file ") + parentPath + name);
    }

private:
    std::string relative() const { return currentPath() + rootLength_; }
    std::size_t rootLength_;
};

TEST(WalkPattern, NarrowPatternTakesMatchingFilesAndEntersEverySubfolder) {
    TempTree tree;
    tree.file("top\\a.txt", 1, kBaseTime);
    tree.file("top\\b.dat", 1, kBaseTime);
    tree.file("top\\music\\c.txt", 1, kBaseTime);
    tree.file("top\\music\\d.dat", 1, kBaseTime);
    tree.file("top\\notes.txt\\e.txt", 1, kBaseTime);
    std::string root = tree.path("top\\");
    RecordingWalker walker(systemDirectorySearch(), root.size());
    ASSERT_EQ(walker.walk(root.c_str(), "*.txt", 16, false), 0);
    EXPECT_EQ(walker.seen, (Lines{"enter ", "a.txt", "enter music\\", "music\\c.txt",
                                  "enter notes.txt\\", "notes.txt\\e.txt"}));
}

}  // namespace
}  // namespace evenkeeper::test
