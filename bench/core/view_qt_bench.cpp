// The view and its list lines with the texts measured as the program measures
// them: the Qt measure of the list's font (offscreen), each text once.
// rebuildView for every order and view mode; the lines of every shown row,
// as a search typed into the list reads them, the first time (every text
// measured) and again (every answer kept).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <optional>

#include "bench/support/bench_catalogue.h"
#include "bench/support/view_variants.h"
#include "core/ordering.h"
#include "core/remembering_measure.h"
#include "platform/qt/qt_text_measure.h"

namespace {

void rebuild(benchmark::State& state, const ViewVariant& variant) {
    const platform::qt::QtTextMeasure listFont(QApplication::font());
    const RememberingMeasure measure(listFont);
    Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)), &measure);
    setUpView(catalogue, variant);
    for (auto _ : state) {
        rebuildView(catalogue);
        benchmark::DoNotOptimize(catalogue.viewOrder.data());
    }
}

void buildEveryLine(const Catalogue& catalogue) {
    for (int row = 1; row <= viewCount(catalogue); ++row) {
        const std::string line = listTextOf(catalogue, catalogue.viewOrder[row]);
        benchmark::DoNotOptimize(line.data());
    }
}

void everyLine(benchmark::State& state, bool firstTime) {
    const platform::qt::QtTextMeasure listFont(QApplication::font());
    std::optional<RememberingMeasure> measure(std::in_place, listFont);
    Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)), &*measure);
    buildEveryLine(catalogue);
    for (auto _ : state) {
        if (firstTime) {
            state.PauseTiming();
            catalogue.screenMeasure = &measure.emplace(listFont);
            state.ResumeTiming();
        }
        buildEveryLine(catalogue);
    }
    catalogue.screenMeasure = nullptr;
}
BENCHMARK_CAPTURE(everyLine, firstTime, true)->Name("listTextOf_everyRow_firstTime")->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(everyLine, remembered, false)->Name("listTextOf_everyRow_remembered")->Apply(atCatalogueSizes)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    registerForEveryView("rebuildView_qtMeasure", rebuild);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
