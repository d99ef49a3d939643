// The scan of two real folders and the Duplicate plan from the first to the second: the
// engine's side of bench/native-rsync.sh (beside `rsync -rn --delete`) and of
// bench/wine-folders.sh (beside an earlier commit). Prints the times of the scans and of the
// plan, and the rows.
#include <chrono>
#include <cstdio>
#include <string>

#include "support/PlanFixture.h"

using namespace evenkeeper;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string asRoot(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: scan_plan_timer TOP BOTTOM\n");
        return 2;
    }
    test::PlanFixture f(&systemDirectorySearch());
    auto start = Clock::now();
    if (!f.scan(asRoot(argv[1]), asRoot(argv[2]))) return 1;
    double scanned = millisecondsSince(start);
    start = Clock::now();
    f.operation.operation = kDuplicate;
    f.operation.direction = kTopToBottom;
    DifferenceFinder(f.context(), f.compare).findDifferences();
    double planned = millisecondsSince(start);
    std::printf("files %d and %d; scan %.1f ms, plan %.1f ms, %u rows\n", f.top.table().count(),
                f.bottom.table().count(), scanned, planned, unsigned(f.rows.rows.size()));
    return 0;
}
