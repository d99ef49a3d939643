#pragma once
// A test of the real program: it starts alone, with an empty per-user folder, between a
// top and a bottom folder of its own.
#include <gtest/gtest.h>

#include <memory>

#include "app/driver/MainWindow.h"
#include "app/driver/ProgramFiles.h"
#include "app/driver/ProgramProcess.h"
#include "resources/ResourceIds.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::driver {

using test::kBaseTime;
using test::kHour;
using test::TempTree;

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Starts the program and answers its main dialog; the test fails when none came up.
    MainWindow start();
    // Commits both folder fields as typed text.
    void chooseFolders(MainWindow& window);
    // The Exit button; the exit code, or STILL_ACTIVE when the program did not end.
    DWORD exitProgram(MainWindow& window);
    DWORD exitCode(unsigned limitMs = 5000) { return program_->waitForExit(limitMs); }
    // Ends the program at once, as a crash or Task Manager would.
    void killProgram() { program_.reset(); }
    bool programRunning() const { return program_ && program_->running(); }

    TempTree top;
    TempTree bottom;

private:
    std::unique_ptr<ProgramProcess> program_;
};

}  // namespace evenkeeper::driver
