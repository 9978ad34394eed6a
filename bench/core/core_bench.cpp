// The catalogue core at the sizes a catalogue reaches, on the realistic
// catalogues.
#include <benchmark/benchmark.h>

#include "bench/support/bench_catalogue.h"
#include "bench/support/view_variants.h"
#include "core/letter_case.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "core/reading_figures.h"

namespace {

// One new book, as the record dialog stores it; `lettersKnown` says whether
// the catalogue's texts are known to be in form, as after a first insertion
// (right after loading they are not, and the insertion converts them all).
void insertOneBook(benchmark::State& state, bool lettersKnown) {
    Catalogue start = loadBenchCatalogue(static_cast<int>(state.range(0)));
    makeRoomForOneBook(start);
    if (lettersKnown) applyLetterCase(start.books);
    for (auto _ : state) {
        state.PauseTiming();
        Catalogue catalogue = start;
        state.ResumeTiming();
        insertRecord(catalogue, "Middleton, Anne", "A new book of the year", "Kept on the shelf",
                     packReadDate("06-15-2001"), 2, 3);
        benchmark::DoNotOptimize(catalogue.view.currentRecord);
    }
}
BENCHMARK_CAPTURE(insertOneBook, insertRecord, true)
    ->Name("insertRecord")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(insertOneBook, insertRecord_firstAfterLoad, false)
    ->Name("insertRecord_firstAfterLoad")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);

[[maybe_unused]] const bool rebuildRegistered = [] {
    registerForEveryView("rebuildView", [](benchmark::State& state, const ViewVariant& variant) {
        Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)));
        setUpView(catalogue, variant);
        for (auto _ : state) {
            rebuildView(catalogue);
            benchmark::DoNotOptimize(catalogue.view.order.data());
        }
    });
    return true;
}();

// Every author and title switched to one form; switching back is untimed.
void toggleLetterCaseTo(benchmark::State& state, bool toCapitals) {
    Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)));
    if (catalogue.books.upperCase == toCapitals) toggleLetterCase(catalogue.books);
    for (auto _ : state) {
        toggleLetterCase(catalogue.books);
        benchmark::DoNotOptimize(catalogue.books.records.data());
        state.PauseTiming();
        toggleLetterCase(catalogue.books);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(toggleLetterCaseTo, capitals, true)
    ->Name("toggleLetterCase/toCapitals")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(toggleLetterCaseTo, properCase, false)
    ->Name("toggleLetterCase/toProperCase")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);

// The reading statistics' figures of the whole catalogue.
void figures(benchmark::State& state) {
    const Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ReadingFigures counted = readingFigures(catalogue.books);
        benchmark::DoNotOptimize(counted.readPerYear.data());
    }
}
BENCHMARK(figures)->Name("readingFigures")->Apply(atCatalogueSizes)->Unit(benchmark::kMillisecond);

}  // namespace
