// A print run of every record of the realistic catalogues onto the recording
// surface: the cost of the layout itself, without a printer.
#include <benchmark/benchmark.h>

#include <functional>

#include "bench/support/bench_catalogue.h"
#include "core/catalogue.h"
#include "platform/testing/recording_print_surface.h"
#include "platform/testing/scripted_message_boxes.h"
#include "printing/print_books.h"

namespace {

void printAll(benchmark::State& state, const BenchCatalogue& file, bool bookData) {
    Catalogue catalogue = file.load();
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

[[maybe_unused]] const bool registered = [] {
    using namespace std::placeholders;
    registerOnBenchCatalogues("printBooks_bookList", std::bind(printAll, _1, _2, false));
    registerOnBenchCatalogues("printBooks_bookData", std::bind(printAll, _1, _2, true));
    return true;
}();

}  // namespace
