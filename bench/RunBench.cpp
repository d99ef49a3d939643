// A whole sync (scan, plan, run) of a tree into an empty folder, beside `cp -a` of the same
// tree: 10,000 small files in 100 folders, and four files of 32 MiB.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "engine/SyncRun.h"
#include "support/PlanFixture.h"
#include "support/TempTree.h"

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

const SourceTree& source(bool large) {
    static SourceTree small(false), big(true);
    return large ? big : small;
}

void removeCopy(const SourceTree& tree) {
    std::string command = "rm -rf '" + tree.path("dst") + "'";
    if (std::system(command.c_str()) != 0) std::abort();
}

void sync(benchmark::State& state, bool large) {
    const SourceTree& tree = source(large);
    for (auto _ : state) {
        state.PauseTiming();
        removeCopy(tree);
        std::string empty = "mkdir '" + tree.path("dst") + "'";
        if (std::system(empty.c_str()) != 0) std::abort();
        state.ResumeTiming();
        PlanFixture f(&systemDirectorySearch());
        f.session.logFilePath = tree.path("EvenkeeperLog.txt");
        f.scan(tree.path("src\\"), tree.path("dst\\"));
        std::size_t planned = f.plan(kCopy, kTopToBottom).size();
        SyncRun(f.context(), systemFileSystem(), systemClock()).runSync();
        if (planned != std::size_t(f.top.table().count()) || !f.rows.rows.empty())
            state.SkipWithError("the run did not copy every file");
    }
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

BENCHMARK(BM_SyncSmallFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CpSmallFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SyncLargeFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CpLargeFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace evenkeeper::test
