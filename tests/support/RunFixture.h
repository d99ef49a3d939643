#pragma once
// A plan of two real temporary trees ("top\" and "bottom\"), carried out through a file
// system that fails on demand, with the log in the same temporary folder.
#include <string>
#include <vector>

#include "engine/ScanTargetCheck.h"
#include "engine/SyncRun.h"
#include "support/FaultyFileSystem.h"
#include "support/FixedClock.h"
#include "support/FolderBin.h"
#include "support/PlanFixture.h"
#include "support/TempTree.h"

namespace evenkeeper::test {

struct RunFixture {
    TempTree tree;
    FaultyFileSystem files{systemFileSystem()};
    FolderBin bin;
    FixedClock clock;
    PlanFixture f{&systemDirectorySearch()};

    RunFixture() { f.session.logFilePath = tree.path("EvenkeeperLog.txt"); }
    // Scans both trees (the bottom one under bottomRoot when given) and plans.
    std::vector<std::string> plan(Operation operation, Direction direction, const std::string& bottomRoot = "") {
        EXPECT_TRUE(f.scan(tree.path("top\\"), bottomRoot.empty() ? tree.path("bottom\\") : bottomRoot));
        return f.plan(operation, direction);
    }
    // Carries out the plan; the recorded progress calls are those of the run alone.
    void run() {
        f.progress.calls.clear();
        ScanTargetCheck check(f.top, f.bottom, f.compare);
        SyncRun(f.context(), files, bin, clock, check).runSync();
    }
    std::string log() const { return tree.read("EvenkeeperLog.txt"); }
};

}  // namespace evenkeeper::test
