// The whole program as a user gets it, started from wherever it was installed: a prepared
// sync operation, Scan, a small Copy and a small Duplicate, Exit, and the files it saved;
// and the version its about box shows against the exe's version information.
// Usage: evenkeeper_smoke_test [PROGRAM.exe] [gtest options]; without a program, the
// evenkeeper.exe beside it. Meant to stay short, so that it also runs where every Windows
// program goes through CPU emulation.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>

#include "app/driver/AboutBoxLines.h"
#include "app/driver/MainWindow.h"
#include "app/driver/ProgramFiles.h"
#include "app/driver/ProgramProcess.h"
#include "app/driver/Waiting.h"
#include "resources/ResourceIds.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::driver {
namespace {

using test::kBaseTime;
using test::kHour;
using test::TempTree;

std::string programPath;

// Emulated, a start and an exit take several times longer than natively.
constexpr unsigned kStartLimitMs = 30000;
constexpr unsigned kExitLimitMs = 30000;

// The data file with one Copy from top to bottom, and no program settings: a user who set
// the operation up in an earlier run.
bool prepareOperation(const TempTree& top, const TempTree& bottom) {
    SHCreateDirectoryExA(nullptr, userFolder().c_str(), nullptr);
    DeleteFileA(settingsFile().c_str());
    return writeFile(dataFile(), "[Program Settings]\r\np=Evenkeeper\r\nv=1.0\r\nindex=0\r\n[a]\r\n" +
                                     top.root() + "\r\n" + bottom.root() +
                                     "\r\noperation=0\r\ndirection=0\r\nlevels=16\r\nnot used\r\n");
}

// The exe's version information: its fixed numbers and its two version texts.
struct VersionInfo {
    DWORD fileMajorMinor = 0, fileBuild = 0, productMajorMinor = 0, productBuild = 0;
    std::string fileText, productText;
};

bool readVersionInfo(const std::string& exe, VersionInfo& info) {
    DWORD size = GetFileVersionInfoSizeA(exe.c_str(), nullptr);
    if (size == 0) return false;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(exe.c_str(), 0, size, block.data())) return false;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return false;
    info.fileMajorMinor = fixed->dwFileVersionMS;
    info.fileBuild = fixed->dwFileVersionLS;
    info.productMajorMinor = fixed->dwProductVersionMS;
    info.productBuild = fixed->dwProductVersionLS;
    for (auto [name, text] : {std::pair{"FileVersion", &info.fileText}, {"ProductVersion", &info.productText}}) {
        char* value = nullptr;
        std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
        if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
            return false;
        *text = value;
    }
    return true;
}

std::vector<std::string> sortedNames(const MainWindow& window) {
    std::vector<std::string> names = window.names();
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ShippedProgram, CopiesThenDuplicatesThePreparedOperationAndSavesItAtExit) {
    ProgramProcess::endLeftOvers();
    TempTree top, bottom;
    top.file("Music\\a.mp3", 4000, kBaseTime);
    top.file("b.txt", "new text", kBaseTime + kHour);
    bottom.file("b.txt", "old", kBaseTime);
    bottom.file("stale.txt", 10, kBaseTime);  // Copy keeps it, Duplicate deletes it
    ASSERT_TRUE(prepareOperation(top, bottom));

    ProgramProcess program(programPath, kStartLimitMs);
    ASSERT_TRUE(program.mainWindow()) << "the main dialog of " << programPath << " did not come up";
    MainWindow window(program.mainWindow());
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), top.root());
    EXPECT_EQ(window.text(IDC_BOTTOM_FOLDER), bottom.root());

    ASSERT_TRUE(window.scan());
    EXPECT_EQ(sortedNames(window), (std::vector<std::string>{"a.mp3", "b.txt"}));
    ASSERT_TRUE(window.runPlan());
    EXPECT_EQ(window.rowCount(), 0);
    EXPECT_EQ(bottom.read("b.txt"), "new text");
    EXPECT_EQ(bottom.lastWrite("Music\\a.mp3"), kBaseTime);
    EXPECT_TRUE(bottom.exists("stale.txt"));

    window.click(IDC_DUPLICATE);
    window.settle();
    EXPECT_EQ(window.text(IDC_MIDDLE), "Duplicate");
    ASSERT_TRUE(window.scan());
    EXPECT_EQ(window.names(), std::vector<std::string>{"stale.txt"});
    ASSERT_TRUE(window.runPlan());
    EXPECT_FALSE(bottom.exists("stale.txt"));
    EXPECT_TRUE(bottom.exists("b.txt"));
    EXPECT_TRUE(top.exists("Music\\a.mp3"));

    window.click(IDCANCEL);
    EXPECT_EQ(program.waitForExit(kExitLimitMs), 0u);
    EXPECT_EQ(firstRecord(), (std::vector<std::string>{top.root(), bottom.root(), "operation=2",
                                                         "direction=0", "levels=16", today()}));
    const std::vector<std::string> settings = linesOf(readFile(settingsFile()));
    EXPECT_NE(std::find(settings.begin(), settings.end(), "DataFile=" + dataFile()), settings.end());
    EXPECT_FALSE(fileExists(logFile()));
}

// The text is major.minor with the minor in two digits, as the numbers major.minor.0.0 say.
TEST(ShippedProgram, AboutBoxShowsTheVersionOfTheVersionInformation) {
    VersionInfo info;
    ASSERT_TRUE(readVersionInfo(programPath, info)) << "no version information in " << programPath;
    char fromNumbers[16];
    std::snprintf(fromNumbers, sizeof fromNumbers, "%u.%02u", unsigned(HIWORD(info.productMajorMinor)),
                  unsigned(LOWORD(info.productMajorMinor)));
    EXPECT_EQ(info.productText, fromNumbers);
    EXPECT_EQ(info.fileText, info.productText);
    EXPECT_EQ(info.fileMajorMinor, info.productMajorMinor);
    EXPECT_EQ(info.productBuild, 0u);
    EXPECT_EQ(info.fileBuild, 0u);

    ProgramProcess::endLeftOvers();
    ProgramProcess program(programPath, kStartLimitMs);
    ASSERT_TRUE(program.mainWindow()) << "the main dialog of " << programPath << " did not come up";
    MainWindow window(program.mainWindow());
    window.command(IDM_ABOUT);
    HWND box = window.waitForBox();
    ASSERT_TRUE(box) << "no about box";
    EXPECT_TRUE(waitUntil([&] { return aboutLineShows(box, 0, "Evenkeeper " + info.productText); }))
        << "the about box does not show version " << info.productText;
    EXPECT_TRUE(window.answerBox("Ok"));
    window.click(IDCANCEL);
    EXPECT_EQ(program.waitForExit(kExitLimitMs), 0u);
}

}  // namespace
}  // namespace evenkeeper::driver

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 2) {
        std::fprintf(stderr, "usage: evenkeeper_smoke_test [PROGRAM.exe] [gtest options]\n");
        return 2;
    }
    evenkeeper::driver::programPath =
        argc == 2 ? argv[1] : evenkeeper::driver::besideDriver("evenkeeper.exe");
    return RUN_ALL_TESTS();
}
