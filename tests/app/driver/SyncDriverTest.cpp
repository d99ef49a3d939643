// Scans, plans and runs of the real program between two real folder trees, read back from
// its list and from the disk.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "app/driver/DriverFixture.h"
#include "app/driver/ShellOpens.h"
#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

// A run whose log holds anything has the shell open it; the recorder takes the viewer's place.
class Sync : public DriverTest {
protected:
    void SetUp() override {
        DriverTest::SetUp();
        ASSERT_TRUE(shell.installed()) << "the shell's handlers could not be replaced";
    }

    ShellOpens shell;
};

// The Modified column of a file time: local time, MM/DD/YY hh:mm:ss with am or pm.
std::string modifiedText(std::uint64_t time) {
    FILETIME utc = {DWORD(time), DWORD(time >> 32)}, local;
    SYSTEMTIME t;
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &t);
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d%s", t.wMonth, t.wDay,
                  t.wYear % 100, t.wHour % 12 ? t.wHour % 12 : 12, t.wMinute, t.wSecond,
                  t.wHour < 12 ? "am" : "pm");
    return text;
}

std::vector<std::pair<std::string, int>> namesAndImages(const MainWindow& window) {
    std::vector<std::pair<std::string, int>> rows;
    for (const ListedRow& row : window.rows()) rows.emplace_back(row.name, row.image);
    std::sort(rows.begin(), rows.end());
    return rows;
}

LRESULT directionIcon(const MainWindow& window) {
    return SendMessageA(window.control(IDC_DIRECTION), BM_GETIMAGE, IMAGE_ICON, 0);
}

// Killed while it copies (a crash, a power cut, Task Manager), the program leaves the old
// file whole under its name; the next scan lists that file again, not the part copy left
// beside it, and the next run removes the part copy.
TEST_F(Sync, AProgramKilledWhileCopyingLeavesTheOldFileWhole) {
    top.file("big.bin", std::uint64_t(256) << 20, kBaseTime + kHour);
    bottom.file("big.bin", "old", kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());
    window.click(IDC_MIDDLE);
    ASSERT_TRUE(waitUntil([&] { return bottom.exists("~evk000.tmp"); }, 20000))
        << "no copy beside the old file was seen";
    killProgram();
    EXPECT_EQ(bottom.read("big.bin"), "old");
    EXPECT_EQ(bottom.lastWrite("big.bin"), kBaseTime);

    window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());
    EXPECT_EQ(window.names(), std::vector<std::string>{"big.bin"});
    ASSERT_TRUE(window.runPlan());
    EXPECT_FALSE(bottom.exists("~evk000.tmp"));
    EXPECT_EQ(bottom.lastWrite("big.bin"), kBaseTime + kHour);
    EXPECT_EQ(exitProgram(window), 0u);
}

TEST_F(Sync, CopyTopToBottomListsEachFileAndCopiesItWithItsTime) {
    top.file("a.txt", 1234567, kBaseTime);
    top.file("sub\\b.txt", 123, kBaseTime + kHour);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());

    std::vector<ListedRow> rows = window.rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "a.txt");
    EXPECT_EQ(rows[0].size, "1,234,567");
    EXPECT_EQ(rows[0].modified, modifiedText(kBaseTime));
    EXPECT_EQ(rows[0].path, "");
    EXPECT_EQ(rows[0].image, 0);
    EXPECT_EQ(rows[1].name, "b.txt");
    EXPECT_EQ(rows[1].size, "123");
    EXPECT_EQ(rows[1].path, "sub\\");
    EXPECT_EQ(rows[1].image, 0);
    EXPECT_TRUE(window.enabled(IDC_MIDDLE));

    ASSERT_TRUE(window.runPlan());
    EXPECT_EQ(window.rowCount(), 0);
    EXPECT_FALSE(window.enabled(IDC_MIDDLE));
    ASSERT_TRUE(bottom.exists("sub\\b.txt"));
    EXPECT_EQ(bottom.lastWrite("a.txt"), kBaseTime);
    EXPECT_EQ(bottom.lastWrite("sub\\b.txt"), kBaseTime + kHour);

    EXPECT_EQ(exitProgram(window), 0u);
    EXPECT_EQ(firstRecord(), (std::vector<std::string>{top.root(), bottom.root(), "operation=0",
                                                         "direction=0", "levels=16", today()}));
}

// The menu's state is not readable from another process (its item count reads -1 there), so
// "Show both ways" is sent as its command, which must change neither the plan nor the
// direction icon under Duplicate.
TEST_F(Sync, DuplicateBottomToTopDeletesWhatTheBottomLacksAndIgnoresShowBothWays) {
    top.file("stale.txt", 10, kBaseTime);
    top.file("same.txt", 20, kBaseTime);
    bottom.file("same.txt", 20, kBaseTime);
    bottom.file("new.txt", 30, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    window.click(IDC_DUPLICATE);
    const LRESULT topToBottomIcon = directionIcon(window);
    window.click(IDC_DIRECTION);
    window.settle();
    EXPECT_EQ(window.text(IDC_MIDDLE), "Duplicate");
    const LRESULT bottomToTopIcon = directionIcon(window);
    EXPECT_NE(bottomToTopIcon, topToBottomIcon);
    ASSERT_TRUE(window.scan());
    const std::vector<std::pair<std::string, int>> plan = {{"new.txt", 1}, {"stale.txt", 3}};
    EXPECT_EQ(namesAndImages(window), plan);

    window.command(IDM_SHOW_BOTH_WAYS);
    window.settle();
    EXPECT_EQ(namesAndImages(window), plan);
    EXPECT_EQ(directionIcon(window), bottomToTopIcon);

    ASSERT_TRUE(window.runPlan());
    EXPECT_FALSE(top.exists("stale.txt"));
    EXPECT_TRUE(top.exists("new.txt"));
    EXPECT_TRUE(bottom.exists("new.txt"));
    EXPECT_EQ(exitProgram(window), 0u);
    std::vector<std::string> record = firstRecord();
    ASSERT_EQ(record.size(), 6u);
    EXPECT_EQ(record[2], "operation=2");
    EXPECT_EQ(record[3], "direction=1");
}

// The direction and the operation plan again from the tables of the last scan: a file added
// on disk after it stays unseen until the next Scan.
TEST_F(Sync, DirectionAndOperationReplanWithoutScanningAndMoveTakesTheSources) {
    top.file("a.txt", 10, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());
    top.file("late.txt", 10, kBaseTime);

    window.click(IDC_DIRECTION);  // bottom to top: the bottom has nothing
    window.settle();
    EXPECT_EQ(window.rowCount(), 0);
    window.click(IDC_DIRECTION);  // both ways
    window.settle();
    EXPECT_EQ(window.names(), std::vector<std::string>{"a.txt"});
    window.click(IDC_DIRECTION);  // top to bottom again
    window.click(IDC_MOVE);
    window.settle();
    EXPECT_EQ(window.text(IDC_MIDDLE), "Move");
    EXPECT_EQ(window.names(), std::vector<std::string>{"a.txt"});

    ASSERT_TRUE(window.runPlan());
    EXPECT_TRUE(bottom.exists("a.txt"));
    EXPECT_FALSE(top.exists("a.txt"));
    EXPECT_TRUE(top.exists("late.txt"));
    EXPECT_FALSE(bottom.exists("late.txt"));
    EXPECT_EQ(exitProgram(window), 0u);
}

// The keyboard's request carries no position; the popup opens under the selected row.
TEST_F(Sync, KeyboardPopupOpensAtTheSelectedRow) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) top.file(name, 10, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());
    HWND menu = window.openPopup(2, true);
    ASSERT_TRUE(menu);
    RECT popup, label = window.rowLabel(2);
    GetWindowRect(menu, &popup);
    EXPECT_EQ(popup.left, label.left);
    EXPECT_EQ(popup.top, label.bottom);
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(menu); }));
    EXPECT_EQ(exitProgram(window), 0u);
}

TEST_F(Sync, SideViewListsEveryFileAndThePopupDeletesOnlyOnYes) {
    top.file("a.txt", 10, kBaseTime);
    top.file("b.txt", 10, kBaseTime);
    top.file("sub\\c.txt", 10, kBaseTime);
    bottom.file("a.txt", 10, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());
    EXPECT_EQ(window.rowCount(), 2);

    window.command(IDM_VIEW_TOP);
    window.settle();
    const std::vector<std::pair<std::string, int>> side = {{"a.txt", 2}, {"b.txt", 2}, {"c.txt", 2}};
    EXPECT_EQ(namesAndImages(window), side);
    EXPECT_EQ(window.rows().back().path, "sub\\");
    EXPECT_FALSE(window.enabled(IDC_MIDDLE));

    ASSERT_TRUE(window.chooseDeleteFromPopup(1));
    ASSERT_TRUE(window.answerBox("No"));
    window.settle();
    EXPECT_TRUE(top.exists("b.txt"));
    EXPECT_EQ(window.rowCount(), 3);
    ASSERT_TRUE(window.chooseDeleteFromPopup(1));
    ASSERT_TRUE(window.answerBox("Yes"));
    EXPECT_TRUE(waitUntil([&] { return window.rowCount() == 2; }));
    EXPECT_FALSE(top.exists("b.txt"));
    EXPECT_EQ(window.names(), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(exitProgram(window), 0u);
}

// A source held open without sharing cannot be copied: its row stays and the log, opened
// for the user, says why; Exit deletes the log.
TEST_F(Sync, SharingViolationIsLoggedAndTheLogGoesAtExit) {
    top.file("a.txt", 10, kBaseTime);
    top.file("held.txt", 10, kBaseTime);
    HANDLE held = CreateFileA(top.path("held.txt").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());
    ASSERT_TRUE(window.runPlan());
    CloseHandle(held);
    EXPECT_EQ(window.names(), std::vector<std::string>{"held.txt"});
    EXPECT_TRUE(bottom.exists("a.txt"));
    EXPECT_EQ(readFile(logFile()), top.path("held.txt") + "\r\n  Sharing violation\r\n");

    EXPECT_TRUE(shell.waitFor(1)) << "the log was not opened for the user";
    EXPECT_EQ(shell.opened(), std::vector<std::string>{logFile()});
    EXPECT_EQ(exitProgram(window), 0u);
    EXPECT_FALSE(fileExists(logFile()));
}

// A destination edited after the Scan is not overwritten: its row stays, the log says why,
// and the status bar tells what was done and what stays.
TEST_F(Sync, DestinationEditedAfterTheScanIsNotTouched) {
    top.file("a.txt", "alpha", kBaseTime + kHour);
    top.file("b.txt", "beta", kBaseTime + kHour);
    bottom.file("b.txt", "old", kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());
    ASSERT_EQ(window.rowCount(), 2);
    bottom.file("b.txt", "edited after the scan", kBaseTime + 2 * kHour);

    ASSERT_TRUE(window.runPlan());
    EXPECT_EQ(window.names(), std::vector<std::string>{"b.txt"});
    EXPECT_EQ(bottom.read("b.txt"), "edited after the scan");
    EXPECT_EQ(bottom.read("a.txt"), "alpha");
    EXPECT_EQ(readFile(logFile()),
              bottom.path("b.txt") + "\r\n  Changed since the scan - not touched\r\n");
    EXPECT_EQ(window.status(), "Done: 1 of 2 files. 1 stays in the list.");

    EXPECT_TRUE(shell.waitFor(1)) << "the log was not opened for the user";
    EXPECT_EQ(shell.opened(), std::vector<std::string>{logFile()});
    EXPECT_EQ(exitProgram(window), 0u);
}

}  // namespace
}  // namespace evenkeeper::driver
