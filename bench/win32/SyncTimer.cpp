// A whole sync (scan, plan, run) of one folder into another through the real Windows calls,
// with the engine alone: the reference beside which bench/wine-copy.sh times xcopy and
// bench/wine-app.sh the real program. Prints the time of scan and plan and of the run. With
// "unchecked" the run does not look at the files it replaces, to time what that look costs;
// with "duplicate" it is a Duplicate, which deletes what the source lacks (bench/wine-bin.sh).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "engine/ScanTargetCheck.h"
#include "engine/SyncRun.h"
#include "support/PlanFixture.h"
#include "support/TrustingCheck.h"

using namespace evenkeeper;

namespace {

long long millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

}  // namespace

int main(int argc, char** argv) {
    bool duplicate = argc == 4 && std::strcmp(argv[3], "duplicate") == 0;
    bool checked = argc == 3 || duplicate;
    if (!checked && (argc != 4 || std::strcmp(argv[3], "unchecked") != 0)) {
        std::fprintf(stderr, "usage: sync_timer SOURCE\\ DESTINATION\\ [unchecked | duplicate]\n");
        return 2;
    }
    test::PlanFixture f(&systemDirectorySearch());
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    f.session.logFilePath = std::string(temp) + "EvenkeeperLog.txt";
    auto start = std::chrono::steady_clock::now();
    if (!f.scan(argv[1], argv[2])) return 1;
    f.operation.operation = duplicate ? kDuplicate : kCopy;
    f.operation.direction = kTopToBottom;
    DifferenceFinder(f.context(), f.compare).findDifferences();
    long long planned = millisecondsSince(start);
    std::size_t rows = f.rows.rows.size();
    start = std::chrono::steady_clock::now();
    ScanTargetCheck scanCheck(f.top, f.bottom, f.compare);
    test::TrustingCheck trusting;
    SyncRun(f.context(), systemFileSystem(), systemRecycleBin(), systemClock(),
            checked ? static_cast<TargetCheck&>(scanCheck) : trusting)
        .runSync();
    long long ran = millisecondsSince(start);
    std::printf("%u rows done, %u left; scan and plan %lld ms, run %lld ms\n",
                unsigned(rows - f.rows.rows.size()), unsigned(f.rows.rows.size()), planned, ran);
    return f.rows.rows.empty() ? 0 : 1;
}
