// The catalogue core at the sizes a catalogue reaches, on the realistic
// catalogues.
#include <benchmark/benchmark.h>

#include <functional>

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
void insertOneBook(benchmark::State& state, const BenchCatalogue& file, bool lettersKnown) {
    Catalogue start = file.load();
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

void rebuildEveryView(benchmark::State& state, const BenchCatalogue& file, const ViewVariant& variant) {
    Catalogue catalogue = file.load();
    setUpView(catalogue, variant);
    for (auto _ : state) {
        rebuildView(catalogue);
        benchmark::DoNotOptimize(catalogue.view.order.data());
    }
}

// Every author and title switched to one form; switching back is untimed.
void toggleLetterCaseTo(benchmark::State& state, const BenchCatalogue& file, bool toCapitals) {
    Catalogue catalogue = file.load();
    if (catalogue.books.upperCase == toCapitals) toggleLetterCase(catalogue.books);
    for (auto _ : state) {
        toggleLetterCase(catalogue.books);
        benchmark::DoNotOptimize(catalogue.books.records.data());
        state.PauseTiming();
        toggleLetterCase(catalogue.books);
        state.ResumeTiming();
    }
}

// The reading statistics' figures of the whole catalogue.
void figures(benchmark::State& state, const BenchCatalogue& file) {
    const Catalogue catalogue = file.load();
    for (auto _ : state) {
        ReadingFigures counted = readingFigures(catalogue.books);
        benchmark::DoNotOptimize(counted.readPerYear.data());
    }
}

[[maybe_unused]] const bool registered = [] {
    using namespace std::placeholders;
    registerOnBenchCatalogues("insertRecord", std::bind(insertOneBook, _1, _2, true));
    registerOnBenchCatalogues("insertRecord_firstAfterLoad", std::bind(insertOneBook, _1, _2, false));
    registerForEveryView("rebuildView", rebuildEveryView);
    registerOnBenchCatalogues("toggleLetterCase/toCapitals", std::bind(toggleLetterCaseTo, _1, _2, true));
    registerOnBenchCatalogues("toggleLetterCase/toProperCase", std::bind(toggleLetterCaseTo, _1, _2, false));
    registerOnBenchCatalogues("readingFigures", figures);
    return true;
}();

}  // namespace
