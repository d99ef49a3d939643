// Times the real program as a user drives it: Scan until the Results dialog shows that the
// plan is done (it is then closed, untimed), then the middle button until the run is done,
// with the driver of the tests that use the program through its windows. The program's sync
// operation is prepared by bench/wine-app.sh. Prints both times.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "app/driver/MainWindow.h"
#include "app/driver/ProgramProcess.h"
#include "app/driver/Waiting.h"
#include "resources/ResourceIds.h"

using namespace evenkeeper::driver;

namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned kLimitMs = 10 * 60 * 1000;

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

}  // namespace

int main() {
    ProgramProcess program;
    if (!program.mainWindow()) {
        std::fprintf(stderr, "the program did not come up\n");
        return 1;
    }
    MainWindow window(program.mainWindow());
    // A step is over when the inputs it switched off are back.
    auto stepOver = [&] { return window.enabled(IDC_SCAN); };

    auto start = Clock::now();
    window.click(IDC_SCAN);
    bool listed = window.waitForResults(kLimitMs) != nullptr;
    long long planned = millisecondsSince(start);
    listed = listed && window.closeResults() &&
             waitUntil([&] { return window.enabled(IDC_MIDDLE) && stepOver(); });
    int rows = window.rowCount();

    start = Clock::now();
    window.click(IDC_MIDDLE);
    bool ran = listed && waitUntil([&] { return !window.enabled(IDC_MIDDLE) && stepOver(); }, kLimitMs);
    long long running = millisecondsSince(start);

    window.command(IDCANCEL);
    program.waitForExit(60000);
    std::printf("%d rows; scan and plan %lld ms, run %lld ms%s\n", rows, planned, running,
                listed && ran ? "" : " (timed out)");
    return listed && ran ? 0 : 1;
}
