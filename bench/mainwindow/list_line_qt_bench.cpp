// The list lines with the texts measured as the program measures them: the
// Qt measure of the list's font (offscreen) through RememberingMeasure. The
// lines of every shown row, the first time (every text measured by Qt) and
// again (every answer kept).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>
#include <optional>

#include "bench/support/bench_catalogue.h"
#include "mainwindow/list_line.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/remembering_measure.h"
#include "platform/qt_windows/qt_text_measure.h"

namespace {

void buildEveryLine(const Catalogue& catalogue, const platform::TextMeasure& measure) {
    for (int row = 1; row <= viewCount(catalogue.view); ++row) {
        const std::string line = listTextOf(catalogue.books, &measure, catalogue.view.order[row]);
        benchmark::DoNotOptimize(line.data());
    }
}

void everyLine(benchmark::State& state, const BenchCatalogue& file, bool firstTime) {
    const auto listFont = platform::qt::QtTextMeasure::inDialogUnits(QApplication::font(), ListTextUnit);
    std::optional<RememberingMeasure> measure(std::in_place, listFont);
    const Catalogue catalogue = file.load();
    buildEveryLine(catalogue, *measure);
    for (auto _ : state) {
        if (firstTime) {
            state.PauseTiming();
            measure.emplace(listFont);
            state.ResumeTiming();
        }
        buildEveryLine(catalogue, *measure);
    }
}
[[maybe_unused]] const bool registered = [] {
    using namespace std::placeholders;
    registerOnBenchCatalogues("listTextOf_everyRow_firstTime", std::bind(everyLine, _1, _2, true));
    registerOnBenchCatalogues("listTextOf_everyRow_remembered", std::bind(everyLine, _1, _2, false));
    return true;
}();

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
