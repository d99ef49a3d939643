#include "app/driver/DriverFixture.h"

#include <windows.h>

namespace evenkeeper::driver {

void DriverTest::SetUp() {
    ProgramProcess::endLeftOvers();
    clearUserFolder();
    DeleteFileA(logFile().c_str());
}

MainWindow DriverTest::start() {
    program_.reset();  // a program of this test still running is ended first
    program_ = std::make_unique<ProgramProcess>();
    EXPECT_TRUE(program_->mainWindow()) << "the main dialog did not come up";
    return MainWindow(program_->mainWindow());
}

void DriverTest::chooseFolders(MainWindow& window) {
    window.enter(IDC_TOP_FOLDER, top.root());
    window.enter(IDC_BOTTOM_FOLDER, bottom.root());
}

DWORD DriverTest::exitProgram(MainWindow& window) {
    window.click(IDCANCEL);
    return exitCode();
}

}  // namespace evenkeeper::driver
