// The real program between folders that hold a folder link, and with a plan that would
// delete most of one side: what it tells, what it asks, and what stays on the disk.
#include <windows.h>

#include "app/driver/DriverFixture.h"
#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

using Safety = DriverTest;

std::string fileName(int number) { return "song" + std::to_string(number) + ".mp3"; }

int filesLeft(const TempTree& tree, int count) {
    int left = 0;
    for (int i = 0; i < count; ++i) left += tree.exists(fileName(i));
    return left;
}

TEST_F(Safety, DuplicateDeletingAWholeSideRunsOnlyOnYes) {
    constexpr int kSongs = 12;
    for (int i = 0; i < kSongs; ++i) bottom.file(fileName(i), 10, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    window.click(IDC_DUPLICATE);
    ASSERT_TRUE(window.scan());
    ASSERT_EQ(window.rowCount(), kSongs);

    window.click(IDC_MIDDLE);
    ASSERT_TRUE(window.answerBox("No"));
    window.settle();
    EXPECT_EQ(filesLeft(bottom, kSongs), kSongs);
    EXPECT_EQ(window.rowCount(), kSongs);
    EXPECT_TRUE(window.enabled(IDC_MIDDLE));

    window.click(IDC_MIDDLE);
    ASSERT_TRUE(window.answerBox("Yes"));
    EXPECT_TRUE(waitUntil([&] { return !window.enabled(IDC_MIDDLE) && window.enabled(IDC_SCAN); }));
    EXPECT_EQ(filesLeft(bottom, kSongs), 0);
    EXPECT_EQ(window.rowCount(), 0);
    EXPECT_EQ(exitProgram(window), 0u);
}

// A link to its own folder in the top and one out of the bottom folder: the scan walks
// neither, says so in a notice, and the Duplicate leaves the link's target alone.
TEST_F(Safety, FolderLinksAreToldAndNotFollowed) {
    TempTree outside;
    outside.file("precious.mp3", 10, kBaseTime);
    top.file("a.mp3", 10, kBaseTime);
    top.file("Music\\new.mp3", 10, kBaseTime);
    top.link("loop", ".");
    bottom.file("old.mp3", 10, kBaseTime);
    std::string target = outside.root();
    target.pop_back();
    bottom.link("Music", target);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    window.click(IDC_DUPLICATE);
    window.click(IDC_SCAN);
    ASSERT_TRUE(window.answerBox("Ok"));
    ASSERT_TRUE(window.closeResults());
    ASSERT_TRUE(waitUntil([&] { return window.enabled(IDC_MIDDLE) && window.enabled(IDC_SCAN); }));
    // old.mp3 to delete and a.mp3 to copy; nothing of or into Music, nothing of loop.
    EXPECT_EQ(window.names(), (std::vector<std::string>{"old.mp3", "a.mp3"}));

    ASSERT_TRUE(window.runPlan());
    EXPECT_TRUE(bottom.exists("a.mp3"));
    EXPECT_FALSE(bottom.exists("old.mp3"));
    EXPECT_TRUE(outside.exists("precious.mp3"));
    EXPECT_FALSE(outside.exists("new.mp3"));
    EXPECT_EQ(exitProgram(window), 0u);
}

}  // namespace
}  // namespace evenkeeper::driver
