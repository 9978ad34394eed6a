// Insertion and view building at the sizes a catalogue reaches.
#include <benchmark/benchmark.h>


#include "core/catalogue.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "platform/scripted/fixed_width_measure.h"
#include "tests/support/large_catalogue.h"

namespace {

const platform::scripted::FixedWidthMeasure measure(6);

Catalogue makeCatalogue(int size) {
    Catalogue catalogue = makeLargeCatalogue(size);
    catalogue.screenMeasure = &measure;
    return catalogue;
}

void BM_InsertRecord(benchmark::State& state) {
    const Catalogue start = makeCatalogue(static_cast<int>(state.range(0)) - 1);
    for (auto _ : state) {
        state.PauseTiming();
        Catalogue catalogue = start;
        state.ResumeTiming();
        insertRecord(catalogue, "MIDDLETON, ANNE", "A NEW BOOK", "", packReadDate("06-15-2001"), 2, 3);
        benchmark::DoNotOptimize(catalogue.currentRecord);
    }
}

void rebuild(benchmark::State& state, bool byDate) {
    Catalogue catalogue = makeCatalogue(static_cast<int>(state.range(0)));
    catalogue.sortByDate = byDate;
    for (auto _ : state) {
        rebuildView(catalogue);
        benchmark::DoNotOptimize(catalogue.viewOrder.data());
    }
}

void BM_RebuildViewByAuthor(benchmark::State& state) { rebuild(state, false); }
void BM_RebuildViewByDate(benchmark::State& state) { rebuild(state, true); }

}  // namespace

BENCHMARK(BM_InsertRecord)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildViewByAuthor)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildViewByDate)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);
