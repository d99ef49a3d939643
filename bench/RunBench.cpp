// A whole sync (scan, plan, run) of a tree into an empty folder, beside `cp -a` of the same
// tree: 10,000 small files in 100 folders, and four files of 32 MiB. The small files also
// without the look at each file a row replaces or deletes (checked:0), and with a clock that
// stands still so that the status bar shows only the run's first and last text (paced:0);
// and a Duplicate from an empty folder that deletes all 10,000, with and without the look.
// The Duplicate, and a Copy that replaces 10,000 older files, also run without and with a
// Recycle Bin (bin:0, bin:1): the user's trash folder, made in the tree's own file system.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "engine/ScanTargetCheck.h"
#include "engine/SyncRun.h"
#include "support/FixedClock.h"
#include "support/FolderBin.h"
#include "support/PlanFixture.h"
#include "support/TempTree.h"
#include "support/TrustingCheck.h"

namespace evenkeeper::test {
namespace {

struct SourceTree {
    TempTree tree;
    explicit SourceTree(bool large) {
        if (large) {
            for (int i = 0; i < 4; ++i)
                tree.file("src\\movie" + std::to_string(i) + ".mkv", std::string(32 << 20, char('a' + i)), kBaseTime);
            return;
        }
        std::string content(1024, 'x');
        for (int i = 0; i < 10000; ++i)
            tree.file("src\\folder" + std::to_string(i / 100) + "\\file" + std::to_string(i) + ".txt",
                      content, kBaseTime);
    }
    std::string path(const char* relative) const { return tree.root() + relative; }
};

// Scans top and bottom of tree, plans operation top to bottom and runs it; false when a row
// stays.
bool syncOnce(const SourceTree& tree, const char* top, Operation operation, bool checked, bool paced,
              RecycleBin& bin) {
    PlanFixture f(&systemDirectorySearch());
    f.session.logFilePath = tree.path("EvenkeeperLog.txt");
    f.scan(tree.path(top), tree.path("dst\\"));
    std::size_t planned = f.plan(operation, kTopToBottom).size();
    ScanTargetCheck scanCheck(f.top, f.bottom, f.compare);
    TrustingCheck trusting;
    FixedClock still;  // its milliseconds stand still
    SyncRun(f.context(), systemFileSystem(), bin, paced ? systemClock() : still,
            checked ? static_cast<TargetCheck&>(scanCheck) : trusting)
        .runSync();
    return planned > 0 && f.rows.rows.empty();
}

const SourceTree& source(bool large) {
    static SourceTree small(false), big(true);
    return large ? big : small;
}

void shell(const std::string& command) {
    if (std::system(command.c_str()) != 0) std::abort();
}

void removeCopy(const SourceTree& tree) { shell("rm -rf '" + tree.path("dst") + "'"); }

// bin:1 is the user's trash folder in the tree, emptied before each run; bin:0 has none.
RecycleBin& binOf(benchmark::State& state, const SourceTree& tree) {
    static FolderBin none;
    if (state.range(1) == 0) return none;
    setenv("XDG_DATA_HOME", tree.path("data").c_str(), 1);
    shell("rm -rf '" + tree.path("data") + "' && mkdir '" + tree.path("data") + "'");
    return systemRecycleBin();
}

void sync(benchmark::State& state, bool large) {
    const SourceTree& tree = source(large);
    bool checked = state.range(0) != 0;
    bool paced = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        removeCopy(tree);
        std::string empty = "mkdir '" + tree.path("dst") + "'";
        if (std::system(empty.c_str()) != 0) std::abort();
        state.ResumeTiming();
        if (!syncOnce(tree, "src\\", kCopy, checked, paced, systemRecycleBin()))
            state.SkipWithError("the run did not copy every file");
    }
}

// Runs of operation from the folder top, each onto a fresh copy of the source tree that
// then (untimed) is made ready by the shell command after, with or without a bin.
void runOntoFreshCopy(benchmark::State& state, const std::string& after, const char* top,
                      Operation operation, const char* failure) {
    const SourceTree& tree = source(false);
    std::string command = "cp -a '" + tree.path("src") + "' '" + tree.path("dst") + "' && " + after;
    for (auto _ : state) {
        state.PauseTiming();
        removeCopy(tree);
        shell(command);
        RecycleBin& bin = binOf(state, tree);
        state.ResumeTiming();
        if (!syncOnce(tree, top, operation, state.range(0) != 0, true, bin)) state.SkipWithError(failure);
    }
}

void deleteAll(benchmark::State& state) {
    runOntoFreshCopy(state, "mkdir -p '" + source(false).path("empty") + "'", "empty\\", kDuplicate,
                     "the run did not delete every file");
}

// Every copy older than its source, so that the run replaces each.
void replaceAll(benchmark::State& state) {
    runOntoFreshCopy(state, "find '" + source(false).path("dst") + "' -type f -exec touch -d @1000000000 {} +",
                     "src\\", kCopy, "the run did not replace every file");
}

void copyWithCp(benchmark::State& state, bool large) {
    const SourceTree& tree = source(large);
    std::string command = "cp -a '" + tree.path("src") + "' '" + tree.path("dst") + "'";
    for (auto _ : state) {
        state.PauseTiming();
        removeCopy(tree);
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
    }
}

void BM_SyncSmallFiles(benchmark::State& state) { sync(state, false); }
void BM_CpSmallFiles(benchmark::State& state) { copyWithCp(state, false); }
void BM_SyncLargeFiles(benchmark::State& state) { sync(state, true); }
void BM_CpLargeFiles(benchmark::State& state) { copyWithCp(state, true); }

void BM_DeleteSmallFiles(benchmark::State& state) { deleteAll(state); }
void BM_ReplaceSmallFiles(benchmark::State& state) { replaceAll(state); }

BENCHMARK(BM_SyncSmallFiles)->ArgNames({"checked", "paced"})->Args({1, 1})->Args({0, 1})->Args({1, 0})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DeleteSmallFiles)->ArgNames({"checked", "bin"})->Args({1, 0})->Args({0, 0})->Args({1, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplaceSmallFiles)->ArgNames({"checked", "bin"})->Args({1, 0})->Args({1, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CpSmallFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SyncLargeFiles)->ArgNames({"checked", "paced"})->Args({1, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CpLargeFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace evenkeeper::test
