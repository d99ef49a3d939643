// The Help menu of the real program, as a person uses it: "Program info" writes the help
// page and has the shell open it, "About..." shows the elliptic box whose first line names
// the program and its version, and "Check for updates" and the box's link open the maker's
// page. The shell's handlers point at the driver's recorder meanwhile, so no browser starts.
#include <windows.h>

#include "app/driver/AboutBoxLines.h"
#include "app/driver/DriverFixture.h"
#include "app/driver/ShellOpens.h"
#include "app/driver/Waiting.h"
#include "resources/ProgramIdentity.h"

namespace evenkeeper::driver {
namespace {

BOOL CALLBACK keepUntitled(HWND child, LPARAM found) {
    if (GetWindowTextLengthA(child) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

// The box's child without a text: its link, made by its first paint.
HWND untitledChild(HWND box) {
    HWND found = nullptr;
    EnumChildWindows(box, keepUntitled, reinterpret_cast<LPARAM>(&found));
    return found;
}

class Help : public DriverTest {
protected:
    void SetUp() override {
        DriverTest::SetUp();
        ASSERT_TRUE(shell.installed()) << "the shell's handlers could not be replaced";
        DeleteFileA(helpFile().c_str());
    }

    ShellOpens shell;
};

TEST_F(Help, ProgramInfoWritesTheSamePageEachTimeOpensItAndLeavesNoneAfterExit) {
    // A longer page of another version must not leave its tail behind the new one.
    const std::string longerOldPage(100000, '~');
    ASSERT_TRUE(writeFile(helpFile(), longerOldPage));
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    window.command(IDM_PROGRAM_INFO);
    ASSERT_TRUE(shell.waitFor(1)) << "the shell was not asked to open the page";
    const std::string page = readFile(helpFile());
    EXPECT_EQ(page.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\"", 0), 0u);
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
    // It ends where the page ends: nothing of the old file follows.
    EXPECT_EQ(page.substr(page.size() - 7), "</html>");
    EXPECT_LT(page.size(), longerOldPage.size());

    ASSERT_TRUE(writeFile(helpFile(), longerOldPage));
    window.command(IDM_PROGRAM_INFO);
    ASSERT_TRUE(shell.waitFor(2));
    EXPECT_EQ(readFile(helpFile()), page);
    EXPECT_EQ(shell.opened(), (std::vector<std::string>{helpFile(), helpFile()}));

    EXPECT_EQ(exitProgram(window), 0u);
    EXPECT_FALSE(fileExists(helpFile()));
}

// The box's Ok opens nothing; "Check for updates" and the box's link open the maker's page.
TEST_F(Help, AboutShowsTheNameAndVersionOnTheFirstOfTwoLinesAndItsLinkOpensTheMakersPage) {
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    window.command(IDM_ABOUT);
    HWND box = window.waitForBox();
    ASSERT_TRUE(box) << "no about box";
    EXPECT_TRUE(waitUntil([&] { return aboutLineShows(box, 0, "Evenkeeper 1.02"); }));
    // The look tells a line from a near one.
    EXPECT_FALSE(aboutLineShows(box, 0, "Evenkeeper 1.03"));
    EXPECT_TRUE(aboutLineShows(box, 1, kNoticeLine));
    // Two lines only: a blank line follows them, above the link.
    EXPECT_TRUE(aboutLineBlank(box, 2));
    EXPECT_FALSE(aboutLineBlank(box, 1));
    EXPECT_FALSE(IsWindowEnabled(window.handle()));
    EXPECT_TRUE(window.answerBox("Ok"));
    EXPECT_TRUE(IsWindowEnabled(window.handle()));
    EXPECT_TRUE(shell.opened().empty());

    window.command(IDM_CHECK_UPDATES);
    ASSERT_TRUE(shell.waitFor(1));
    window.command(IDM_ABOUT);
    box = window.waitForBox();
    ASSERT_TRUE(box) << "no about box";
    HWND link = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (link = untitledChild(box)) != nullptr; }));
    PostMessageA(link, BM_CLICK, 0, 0);
    ASSERT_TRUE(shell.waitFor(2));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(shell.opened(), (std::vector<std::string>{kHomePage, kHomePage}));
    EXPECT_EQ(exitProgram(window), 0u);
}

}  // namespace
}  // namespace evenkeeper::driver
