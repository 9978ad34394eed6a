// The find search over the realistic catalogues, one criterion at a time and
// all four together, with the texts a user would type.
#include <benchmark/benchmark.h>

#include "bench/support/bench_catalogue.h"
#include "dialogs/find_search.h"

namespace {

void find(benchmark::State& state, const FindCriteria& criteria) {
    Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(runFind(catalogue.books, criteria));
}

BENCHMARK_CAPTURE(find, author, makeFindCriteria("smith", "", "", -1))
    ->Name("runFind/author")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(find, title, makeFindCriteria("", "night", "", -1))
    ->Name("runFind/title")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(find, disposition, makeFindCriteria("", "", "lent", -1))
    ->Name("runFind/disposition")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(find, category, makeFindCriteria("", "", "", 5))
    ->Name("runFind/category")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(find, all, makeFindCriteria("smith", "the", "shelf", 2))
    ->Name("runFind/allFour")
    ->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);

}  // namespace
