// The whole program as a user gets it, started from wherever it was installed: a prepared
// sync operation, Scan, a small Copy and a small Duplicate, Exit, and the files it saved.
// Usage: evenkeeper_smoke_test [PROGRAM.exe] [gtest options]; without a program, the
// evenkeeper.exe beside it. Meant to stay short, so that it also runs where every Windows
// program goes through CPU emulation.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>

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
