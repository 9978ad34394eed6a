#include "bench/support/bench_catalogue.h"

void atCatalogueSizes(benchmark::internal::Benchmark* benchmark) { benchmark->Arg(5000)->Arg(MaxRecords); }

std::string benchCatalogueFile(int size) {
    return std::string(QUORVELS_BENCH_CATALOGUES) + "/books-" + std::to_string(size) + ".pmr";
}

Catalogue loadBenchCatalogue(int size) { return loadCatalogueFile(benchCatalogueFile(size)); }
