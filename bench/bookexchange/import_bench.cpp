// Importing a whole catalogue's books from CSV into an empty catalogue, as
// the Import command does: reading and mapping the file (the plan), then
// adding the books (the plan applied). The files are the realistic
// catalogues exported in both forms.
#include <benchmark/benchmark.h>

#include "bench/support/bench_catalogue.h"
#include "bookexchange/book_export.h"
#include "bookexchange/import_plan.h"

namespace {

void importBooks(benchmark::State& state, ExportForm form) {
    const Catalogue source = loadBenchCatalogue(static_cast<int>(state.range(0)));
    const std::string file = exportBooks(source.books, allBooks(source.books), form);
    for (auto _ : state) {
        Catalogue catalogue;
        const ImportPlanResult planned = planImport(file, catalogue.books, 2026);
        const ImportOutcome outcome = applyImport(catalogue, planned.plan);
        benchmark::DoNotOptimize(outcome.added);
    }
}
BENCHMARK_CAPTURE(importBooks, ours, ExportForm::Quorvels)
    ->Name("importCsv")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(importBooks, goodreads, ExportForm::Goodreads)
    ->Name("importGoodreadsCsv")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);

void exportBooksOf(benchmark::State& state) {
    const Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)));
    const std::vector<int> records = allBooks(catalogue.books);
    for (auto _ : state) benchmark::DoNotOptimize(exportBooks(catalogue.books, records, ExportForm::Quorvels).size());
}
BENCHMARK(exportBooksOf)->Name("exportCsv")->Apply(atCatalogueSizes)->Unit(benchmark::kMillisecond);

}  // namespace
