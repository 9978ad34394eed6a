// Importing a whole catalogue's books from CSV into an empty catalogue, as
// the Import command does: reading and mapping the file (the plan), then
// adding the books (the plan applied). The files are the realistic
// catalogues exported in both forms.
#include <benchmark/benchmark.h>

#include <functional>

#include "bench/support/bench_catalogue.h"
#include "bookexchange/book_export.h"
#include "bookexchange/import_plan.h"

namespace {

void importBooks(benchmark::State& state, const BenchCatalogue& file, ExportForm form) {
    const Catalogue source = file.load();
    const std::string exported = exportBooks(source.books, allBooks(source.books), form);
    for (auto _ : state) {
        Catalogue catalogue;
        const ImportPlanResult planned = planImport(exported, catalogue.books, 2026);
        const ImportOutcome outcome = applyImport(catalogue, planned.plan);
        benchmark::DoNotOptimize(outcome.added);
    }
}

void exportBooksOf(benchmark::State& state, const BenchCatalogue& file) {
    const Catalogue catalogue = file.load();
    const std::vector<int> records = allBooks(catalogue.books);
    for (auto _ : state) benchmark::DoNotOptimize(exportBooks(catalogue.books, records, ExportForm::Quorvels).size());
}

[[maybe_unused]] const bool registered = [] {
    using namespace std::placeholders;
    registerOnBenchCatalogues("importCsv", std::bind(importBooks, _1, _2, ExportForm::Quorvels));
    registerOnBenchCatalogues("importGoodreadsCsv", std::bind(importBooks, _1, _2, ExportForm::Goodreads));
    registerOnBenchCatalogues("exportCsv", exportBooksOf);
    return true;
}();

}  // namespace
