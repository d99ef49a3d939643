// The files the real program deletes go to the Recycle Bin. Wine's shell keeps it as the
// user's trash folder (~/.local/share/Trash, with files\ and info\), reached here through the
// home folder Wine names in WINEHOMEDIR; each file keeps its own name there unless the bin
// already holds one of that name.
#include <windows.h>

#include <algorithm>

#include "app/driver/DriverFixture.h"
#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

using RecycleBinDriver = DriverTest;

// Wine's shell has a bin only where the user's data folder exists, so it is made here.
std::string wineTrash() {
    char home[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("WINEHOMEDIR", home, MAX_PATH);
    const std::string prefix = "\\??\\";
    if (length == 0 || length >= MAX_PATH || std::string(home).rfind(prefix, 0) != 0) return "";
    std::string data = home + prefix.size();
    CreateDirectoryA((data + "\\.local").c_str(), nullptr);
    CreateDirectoryA((data + "\\.local\\share").c_str(), nullptr);
    return data + "\\.local\\share\\Trash\\";
}

// A name the bin cannot hold yet.
std::string unique(const char* stem) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return stem + std::to_string(now.QuadPart) + ".txt";
}

// The name the folder holds for path, in its own case.
std::string diskName(const std::string& path) {
    WIN32_FIND_DATAA item;
    HANDLE search = FindFirstFileA(path.c_str(), &item);
    if (search == INVALID_HANDLE_VALUE) return "";
    FindClose(search);
    return item.cFileName;
}

TEST_F(RecycleBinDriver, DuplicateAndThePopupSendDeletedAndReplacedFilesToTheBin) {
    std::string trash = wineTrash();
    if (trash.empty()) GTEST_SKIP() << "no user folder for Wine's trash";
    std::string gone = unique("gone"), held = unique("held"), popup = unique("popup");
    // The source's name differs in case: the replaced file keeps its own, in the bin too.
    std::string replaced = unique("replaced"), source = "R" + replaced.substr(1);
    top.file(source, "new version", kBaseTime + kHour);
    bottom.file(replaced, "old version", kBaseTime);
    bottom.file(gone, "gone's content", kBaseTime);
    bottom.file(held, "held's content", kBaseTime);
    bottom.file(popup, "popup's content", kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    window.click(IDC_DUPLICATE);
    ASSERT_TRUE(window.scan());
    std::vector<std::string> names = window.names();
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names, (std::vector<std::string>{source, gone, held, popup}));

    names = window.names();
    int popupRow = int(std::find(names.begin(), names.end(), popup) - names.begin());
    ASSERT_TRUE(window.chooseDeleteFromPopup(popupRow));
    ASSERT_TRUE(window.answerBox("Yes"));
    EXPECT_TRUE(waitUntil([&] { return window.rowCount() == 3; }));
    EXPECT_EQ(readFile(trash + "files\\" + popup), "popup's content");

    // A file held open without sharing cannot be moved: it stays, and is not deleted instead.
    HANDLE open = CreateFileA(bottom.path(held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(window.runPlan());
    CloseHandle(open);
    std::string log = readFile(logFile());
    EXPECT_EQ(window.names(), std::vector<std::string>{held}) << window.status() << "\n" << log;
    EXPECT_EQ(bottom.read(held), "held's content");
    EXPECT_FALSE(bottom.exists(gone));
    EXPECT_EQ(readFile(trash + "files\\" + gone), "gone's content");
    EXPECT_EQ(bottom.read(replaced), "new version");
    EXPECT_EQ(readFile(trash + "files\\" + replaced), "old version");
    EXPECT_EQ(diskName(bottom.path(replaced)), replaced);
    EXPECT_EQ(diskName(trash + "files\\" + replaced), replaced);
    std::string info = readFile(trash + "info\\" + gone + ".trashinfo");
    EXPECT_NE(info.find("Path="), std::string::npos) << info;
    EXPECT_NE(info.find("/" + gone + "\n"), std::string::npos) << info;
    std::string record = bottom.path(held) + "\r\n  Can't move it to the Recycle Bin: ";
    EXPECT_EQ(log.substr(0, record.size()), record) << log;

    closeLogViewer();
    EXPECT_EQ(exitProgram(window), 0u);
}

}  // namespace
}  // namespace evenkeeper::driver
