// The program's session: the ways it ends, what it keeps for the next start, and what it
// refuses while a long scan lets messages through.
#include <windows.h>

#include "app/driver/DriverFixture.h"
#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

using Session = DriverTest;

TEST_F(Session, EscapeAndTheCloseBoxEndTheProgramLikeExit) {
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    window.enter(IDC_TOP_FOLDER, top.root());
    window.pressKey(VK_ESCAPE);
    EXPECT_EQ(exitCode(), 0u);
    EXPECT_TRUE(fileExists(settingsFile()));
    std::vector<std::string> record = firstRecord();
    ASSERT_EQ(record.size(), 6u);
    EXPECT_EQ(record[0], top.root());

    DeleteFileA(settingsFile().c_str());
    window = start();
    ASSERT_TRUE(window.handle());
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), top.root());
    window.enter(IDC_LEVELS, "3");
    PostMessageA(window.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(exitCode(), 0u);
    EXPECT_TRUE(fileExists(settingsFile()));
    record = firstRecord();
    ASSERT_EQ(record.size(), 6u);
    EXPECT_EQ(record[4], "levels=3");
}

// Two programs on one data file would each save over the other's edits at exit.
TEST_F(Session, ASecondStartBringsTheRunningProgramToTheFrontAndEnds) {
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    PostMessageA(window.handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(window.handle()) != 0; }));
    ProgramProcess second;
    EXPECT_FALSE(second.mainWindow()) << "the second start showed a window of its own";
    EXPECT_EQ(second.waitForExit(), 0u);
    EXPECT_TRUE(waitUntil([&] { return !IsIconic(window.handle()); }))
        << "the running program was not brought back";
    EXPECT_EQ(exitProgram(window), 0u);
}

TEST_F(Session, WindowPlacementAndColumnWidthsSurviveARestart) {
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    SetWindowPos(window.handle(), nullptr, 40, 30, 700, 520, SWP_NOZORDER | SWP_NOACTIVATE);
    window.setColumnWidth(0, 250);
    window.settle();
    RECT placed;
    GetWindowRect(window.handle(), &placed);
    EXPECT_EQ(placed.left, 40);
    EXPECT_EQ(placed.bottom - placed.top, 520);
    EXPECT_EQ(exitProgram(window), 0u);

    window = start();
    ASSERT_TRUE(window.handle());
    RECT restored;
    GetWindowRect(window.handle(), &restored);
    EXPECT_TRUE(EqualRect(&placed, &restored))
        << restored.left << "," << restored.top << " " << restored.right << "," << restored.bottom;
    EXPECT_EQ(window.columnWidth(0), 250);
    EXPECT_EQ(window.columnWidth(1), 90);
    EXPECT_EQ(exitProgram(window), 0u);
}

// The dialog manager shows a dialog made hidden once its queue is empty; that must not undo
// the show state the window was closed in.
TEST_F(Session, SavedShowStateHoldsThroughTheStartAndTheNextExit) {
    const struct {
        int showCmd;
        bool (*inState)(HWND);
    } cases[] = {{SW_SHOWMAXIMIZED, [](HWND w) { return IsZoomed(w) != 0; }},
                 {SW_SHOWMINIMIZED, [](HWND w) { return IsIconic(w) != 0; }}};
    for (const auto& saved : cases) {
        SCOPED_TRACE(saved.showCmd);
        const std::string showCmd = "showCmd=" + std::to_string(saved.showCmd);
        ASSERT_TRUE(writeFile(settingsFile(), "[Program Settings]\r\nflags=0\r\n" + showCmd +
                                                  "\r\nrcNormal=32 00 00 00 3C 00 00 00 F4 01 00 00 "
                                                  "90 01 00 00 \r\n"));
        MainWindow window = start();
        ASSERT_TRUE(window.handle());
        window.settle();
        Sleep(300);  // the dialog manager's first idle moment comes after the settle
        window.settle();
        EXPECT_TRUE(saved.inState(window.handle()));
        EXPECT_EQ(exitProgram(window), 0u);
        EXPECT_NE(readFile(settingsFile()).find(showCmd + "\r\n"), std::string::npos)
            << readFile(settingsFile());
    }
}

// Wine's "wineboot --end-session" asks every window of the session whether it may end
// (WM_QUERYENDSESSION) and then tells it so (WM_ENDSESSION); it exits with 1 when a window
// refused. Windows then ends the process without its Exit, so the change must be saved by
// then.
TEST_F(Session, EndOfTheWindowsSessionKeepsTheChangeMadeInIt) {
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    window.enter(IDC_TOP_FOLDER, top.root());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION wineboot = {};
    char command[] = "wineboot.exe --end-session";
    ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &wineboot));
    ASSERT_EQ(WaitForSingleObject(wineboot.hProcess, 10000), WAIT_OBJECT_0);
    DWORD endedSession = 1;
    GetExitCodeProcess(wineboot.hProcess, &endedSession);
    CloseHandle(wineboot.hThread);
    CloseHandle(wineboot.hProcess);
    EXPECT_EQ(endedSession, 0u) << "the program refused the end of the session";
    std::vector<std::string> record = firstRecord();
    ASSERT_EQ(record.size(), 6u) << "no data file after the end of the session";
    EXPECT_EQ(record[0], top.root());
}

// Thousands of folders make a scan that lasts; commands posted meanwhile reach the program
// through the scan's own message processing.
TEST_F(Session, DuringALongScanScanDoesNothingAndExitWaitsForTheEnd) {
    for (int outer = 0; outer < 40; ++outer) {
        const std::string folder = "d" + std::to_string(outer) + "\\";
        top.folder(folder);
        for (int inner = 0; inner < 40; ++inner)
            CreateDirectoryA(top.path(folder + std::to_string(inner)).c_str(), nullptr);
    }
    top.file("a.txt", 10, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    auto scanning = [&] { return findProgramWindow(window.processId(), "WKWND") != nullptr; };

    window.click(IDC_SCAN);
    ASSERT_TRUE(waitUntil(scanning));
    window.command(IDC_SCAN);
    window.settle();
    EXPECT_TRUE(scanning()) << "the scan ended before the driver acted: the tree is too small";
    ASSERT_TRUE(waitUntil([&] { return window.enabled(IDC_MIDDLE) && !scanning(); }, 20000));
    EXPECT_EQ(window.names(), std::vector<std::string>{"a.txt"});
    ASSERT_TRUE(window.closeResults());

    window.click(IDC_SCAN);
    ASSERT_TRUE(waitUntil(scanning));
    window.click(IDCANCEL);
    window.settle();
    EXPECT_TRUE(programRunning() && scanning()) << "Exit did not wait for the scan";
    EXPECT_EQ(exitCode(20000), 0u);
    EXPECT_TRUE(fileExists(settingsFile()));
    std::vector<std::string> record = firstRecord();
    ASSERT_EQ(record.size(), 6u);
    EXPECT_EQ(record[0], top.root());
}

}  // namespace
}  // namespace evenkeeper::driver
