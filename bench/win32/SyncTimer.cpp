// A whole sync (scan, plan, run) of one folder into another through the real Windows calls:
// the program side of bench/wine-copy.sh, which times it beside the system's own xcopy.
#include <windows.h>

#include <cstdio>

#include "engine/SyncRun.h"
#include "support/PlanFixture.h"

using namespace evenkeeper;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: sync_timer SOURCE\\ DESTINATION\\\n");
        return 2;
    }
    test::PlanFixture f(&systemDirectorySearch());
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    f.session.logFilePath = std::string(temp) + "EvenkeeperLog.txt";
    if (!f.scan(argv[1], argv[2])) return 1;
    std::size_t planned = f.plan(kCopy, kTopToBottom).size();
    SyncRun(f.context(), systemFileSystem(), systemClock()).runSync();
    std::printf("%u files copied, %u left\n", unsigned(planned - f.rows.rows.size()),
                unsigned(f.rows.rows.size()));
    return f.rows.rows.empty() ? 0 : 1;
}
