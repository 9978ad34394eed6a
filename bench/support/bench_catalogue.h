#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "bench/support/catalogue_steps.h"
#include "core/catalogue.h"
#include "tests/support/realistic_catalogue.h"

// One of the catalogue files of realistic books that the bench_catalogues
// target writes: `size` books whose texts are in `scripts`.
struct BenchCatalogue {
    int size;
    BookScripts scripts;

    // Where that target writes it.
    std::string file() const;

    // The file loaded as the program loads it. Throws when it is missing.
    Catalogue load() const;
};

// Registers `run` on the Latin catalogues at the capacity the design started
// from and at the most a catalogue file can hold ("NAME/5000", "NAME/32767"),
// and on the Cyrillic and Japanese one at the most ("NAME/scripts/32767"),
// timed in milliseconds.
void registerOnBenchCatalogues(const std::string& name,
                               const std::function<void(benchmark::State&, const BenchCatalogue&)>& run);
