#include "bench/support/view_variants.h"

#include "bench/support/bench_catalogue.h"

void setUpView(Catalogue& catalogue, const ViewVariant& variant) {
    catalogue.view.sortByDate = variant.sortByDate;
    catalogue.view.mode = variant.mode;
    if (variant.mode == ViewMode::Found)
        for (int i = 1; i <= recordCount(catalogue.books); ++i)
            setFlag(catalogue.books.records[i].flags, ShownFlag, i % 3 == 0);
}

void registerForEveryView(const std::string& prefix,
                          const std::function<void(benchmark::State&, const ViewVariant&)>& run) {
    for (const ViewVariant& variant : viewVariants)
        benchmark::RegisterBenchmark((prefix + "/" + variant.name).c_str(),
                                     [run, variant](benchmark::State& state) { run(state, variant); })
            ->Apply(atCatalogueSizes)
            ->Unit(benchmark::kMillisecond);
}
