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

void saveToFolder(benchmark::State& state, const BenchCatalogue& file) {
    BenchFolder folder;
    Catalogue catalogue = file.load();
    OpenedFile saved{platform::SystemPath::fromSystem(folder.path + "/bench.pmr"), {}};
    for (auto _ : state) {
        catalogue.books.changed = true;
        if (saveCatalogue(catalogue, saved, platform::systemFiles()).result != SaveOutcome::Saved)
            state.SkipWithError("the save failed");
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(saved.path.systemBytes()));
}

void loadFromFile(benchmark::State& state, const BenchCatalogue& file) {
    for (auto _ : state) {
        Catalogue catalogue;
        OpenedFile opened{platform::SystemPath::fromSystem(file.file()), {}};
        if (!loadCatalogue(catalogue, opened, platform::systemFiles()).loaded) state.SkipWithError("the load failed");
        benchmark::DoNotOptimize(catalogue.view.order.data());
    }
}

void encode(benchmark::State& state, const BenchCatalogue& file) {
    const Catalogue catalogue = file.load();
    for (auto _ : state) {
        const PurgePlan plan = planPurge(catalogue.books);
        std::string bytes = encodeCatalogue(catalogue.books, plan);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void decode(benchmark::State& state, const BenchCatalogue& file) {
    const Catalogue source = file.load();
    const std::string bytes = encodeCatalogue(source.books, planPurge(source.books));
    for (auto _ : state) {
        Catalogue catalogue;
        if (decodeCatalogue(bytes, catalogue.books).status != DecodeResult::Loaded)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(catalogue.books.records.data());
    }
}

[[maybe_unused]] const bool registered = [] {
    registerOnBenchCatalogues("saveCatalogue", saveToFolder);
    registerOnBenchCatalogues("loadCatalogue", loadFromFile);
    registerOnBenchCatalogues("encodeCatalogue", encode);
    registerOnBenchCatalogues("decodeCatalogue", decode);
    return true;
}();

}  // namespace
