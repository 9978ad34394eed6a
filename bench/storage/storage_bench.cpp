// Loading and saving catalogue files at the sizes a catalogue reaches: the
// whole operation through the real file system (a save includes its fsync
// calls), and the in-memory encoding and decoding alone.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench/support/bench_catalogue.h"
#include "core/catalogue.h"
#include "platform/system_files.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"

namespace {

// A folder for the benchmark's files, removed at the end.
struct BenchFolder {
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvels-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path = pattern;
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

Catalogue makeCatalogue(int size) { return loadBenchCatalogue(size); }

void BM_SaveCatalogue(benchmark::State& state) {
    BenchFolder folder;
    Catalogue catalogue = makeCatalogue(static_cast<int>(state.range(0)));
    OpenedFile file{platform::SystemPath::fromSystem(folder.path + "/bench.pmr"), {}};
    for (auto _ : state) {
        catalogue.books.changed = true;
        if (saveCatalogue(catalogue, file, platform::systemFiles()).result != SaveOutcome::Saved)
            state.SkipWithError("the save failed");
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file.path.systemBytes()));
}

void BM_LoadCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        Catalogue catalogue;
        OpenedFile file{platform::SystemPath::fromSystem(benchCatalogueFile(static_cast<int>(state.range(0)))), {}};
        if (!loadCatalogue(catalogue, file, platform::systemFiles()).loaded) state.SkipWithError("the load failed");
        benchmark::DoNotOptimize(catalogue.view.order.data());
    }
}

void BM_EncodeCatalogue(benchmark::State& state) {
    const Catalogue catalogue = makeCatalogue(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const PurgePlan plan = planPurge(catalogue.books);
        std::string bytes = encodeCatalogue(catalogue.books, plan);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void BM_DecodeCatalogue(benchmark::State& state) {
    const Catalogue source = makeCatalogue(static_cast<int>(state.range(0)));
    const std::string bytes = encodeCatalogue(source.books, planPurge(source.books));
    for (auto _ : state) {
        Catalogue catalogue;
        if (decodeCatalogue(bytes, catalogue.books).status != DecodeResult::Loaded)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(catalogue.books.records.data());
    }
}

}  // namespace

BENCHMARK(BM_SaveCatalogue)->Name("saveCatalogue")->Apply(atCatalogueSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCatalogue)->Name("loadCatalogue")->Apply(atCatalogueSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeCatalogue)->Name("encodeCatalogue")->Apply(atCatalogueSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeCatalogue)->Name("decodeCatalogue")->Apply(atCatalogueSizes)->Unit(benchmark::kMillisecond);
