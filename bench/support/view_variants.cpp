#include "bench/support/view_variants.h"

void setUpView(Catalogue& catalogue, const ViewVariant& variant) {
    catalogue.view.sortByDate = variant.sortByDate;
    catalogue.view.mode = variant.mode;
    if (variant.mode == ViewMode::Found)
        for (int i = 1; i <= recordCount(catalogue.books); ++i)
            setFlag(catalogue.books.records[i].flags, ShownFlag, i % 3 == 0);
}

void registerForEveryView(
    const std::string& prefix,
    const std::function<void(benchmark::State&, const BenchCatalogue&, const ViewVariant&)>& run) {
    for (const ViewVariant& variant : viewVariants)
        registerOnBenchCatalogues(
            prefix + "/" + variant.name,
            [run, variant](benchmark::State& state, const BenchCatalogue& file) { run(state, file, variant); });
}
