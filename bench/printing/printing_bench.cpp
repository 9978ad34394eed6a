// A print run of every record of the realistic catalogues onto the recording
// surface: the cost of the layout itself, without a printer.
#include <benchmark/benchmark.h>

#include "bench/support/bench_catalogue.h"
#include "core/catalogue.h"
#include "platform/testing/recording_print_surface.h"
#include "platform/testing/scripted_message_boxes.h"
#include "printing/print_books.h"

namespace {

void printAll(benchmark::State& state, bool bookData) {
    Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)));
    platform::scripted::ScriptedMessageBoxes boxes;
    const PrintOptions options{.allListed = true, .normalFont = true, .bookData = bookData};
    std::size_t pages = 0;
    for (auto _ : state) {
        platform::scripted::RecordingPrintSurface printer;
        printBooks(catalogue, options, &printer, boxes);
        pages = printer.pages.size();
        benchmark::DoNotOptimize(printer.pages.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
}

void BM_PrintBookList(benchmark::State& state) { printAll(state, false); }
void BM_PrintBookData(benchmark::State& state) { printAll(state, true); }

}  // namespace

BENCHMARK(BM_PrintBookList)->Name("printBooks_bookList")->Apply(atCatalogueSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintBookData)->Name("printBooks_bookData")->Apply(atCatalogueSizes)->Unit(benchmark::kMillisecond);
