#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "bench/support/catalogue_steps.h"
#include "core/catalogue.h"

// The sizes every benchmark runs at: the capacity the design started from,
// and the most a catalogue file can hold.
void atCatalogueSizes(benchmark::internal::Benchmark* benchmark);

// The file of `size` realistic books that the bench_catalogues target writes.
std::string benchCatalogueFile(int size);

// That file loaded as the program loads it. Throws when the file is missing.
Catalogue loadBenchCatalogue(int size);
