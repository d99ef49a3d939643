// The plan of two music libraries with N files per side: the indexed lookup, and the plain
// search of the other table that it replaces (its cost grows with N squared); the indexed
// lookup also with every other artist, album and title in Greek, Japanese and emoji.
#include <benchmark/benchmark.h>

#include <memory>

#include "support/LinearMatcher.h"
#include "support/PlanFixture.h"

namespace evenkeeper::test {
namespace {

// Artists with ten albums of twelve tracks; the bottom side lacks every 20th track, has
// every 20th (offset 10) an hour older, and holds a few files of its own.
std::unique_ptr<PlanFixture> library(int filesPerSide, bool halfNonAscii) {
    auto f = std::make_unique<PlanFixture>();
    for (int i = 0; i < filesPerSide; ++i) {
        bool ascii = !halfNonAscii || i / 120 % 2 == 0;
        std::string path = (ascii ? "Artist " : u8"Καλλιτέχνης ") + std::to_string(i / 120) +
                           (ascii ? "\\Album " : u8"\\アルバム ") + std::to_string(i / 12 % 10) +
                           "\\" + std::to_string(i % 12 + 1) +
                           (ascii ? " - Song Title " : u8" - 歌の題名 😀 Ωδή ") + std::to_string(i) + ".mp3";
        f->tree.addFile("M:\\top\\" + path, 4000000 + i, kBaseTime);
        if (i % 20 == 0) f->tree.addFile("M:\\bottom\\Other\\" + std::to_string(i) + ".mp3", 1, kBaseTime);
        else f->tree.addFile("M:\\bottom\\" + path, 4000000 + i, kBaseTime - (i % 20 == 10) * kHour);
    }
    f->scan();
    return f;
}

void plan(benchmark::State& state, bool indexed, bool halfNonAscii = false) {
    auto f = library(int(state.range(0)), halfNonAscii);
    LinearMatcher linear(f->compare);
    for (auto _ : state) {
        f->plan(kDuplicate, kTopToBottom, indexed ? nullptr : &linear);
        benchmark::DoNotOptimize(f->rows.rows.data());
    }
    state.counters["rows"] = double(f->rows.rows.size());
    state.SetItemsProcessed(state.iterations() * state.range(0) * 2);
}

void BM_PlanIndexed(benchmark::State& state) { plan(state, true); }
void BM_PlanDirect(benchmark::State& state) { plan(state, false); }
void BM_PlanIndexedHalfNonAscii(benchmark::State& state) { plan(state, true, true); }

BENCHMARK(BM_PlanIndexed)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanIndexedHalfNonAscii)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanDirect)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace evenkeeper::test

BENCHMARK_MAIN();
