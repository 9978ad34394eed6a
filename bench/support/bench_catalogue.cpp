#include "bench/support/bench_catalogue.h"

std::string BenchCatalogue::file() const {
    return std::string(QUORVELS_BENCH_CATALOGUES) + "/books-" + std::to_string(size) +
           (scripts == BookScripts::Latin ? "" : "-scripts") + ".pmr";
}

Catalogue BenchCatalogue::load() const { return loadCatalogueFile(file()); }

void registerOnBenchCatalogues(const std::string& name,
                               const std::function<void(benchmark::State&, const BenchCatalogue&)>& run) {
    const auto onCatalogue = [run](BookScripts scripts) {
        return [run, scripts](benchmark::State& state) { run(state, {static_cast<int>(state.range(0)), scripts}); };
    };
    benchmark::RegisterBenchmark(name.c_str(), onCatalogue(BookScripts::Latin))
        ->Arg(5000)
        ->Arg(MaxRecords)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((name + "/scripts").c_str(), onCatalogue(BookScripts::CyrillicAndJapanese))
        ->Arg(MaxRecords)
        ->Unit(benchmark::kMillisecond);
}
