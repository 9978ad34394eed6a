// The main window benchmarks' harness and their main: the Qt application
// offscreen, and one main window per benchmark and size.
#include "bench/mainwindow/bench_window.h"

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QWindow>

#include "bench/support/bench_catalogue.h"
#include "mainwindow/main_window_layout.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/qt_windows/qt_window.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/system_clock.h"
#include "platform/system_files.h"
#include "platform/testing/recording_help_viewer.h"

namespace {

void timeInMainWindow(benchmark::State& state, const BenchCatalogue& benchFile,
                      const std::function<void(BenchWindow&)>& step, const std::function<void(BenchWindow&)>& prepare) {
    const auto listFont = platform::qt::QtTextMeasure::inDialogUnits(QApplication::font(), ListTextUnit);
    std::optional<RememberingMeasure> screenMeasure(std::in_place, listFont);
    Catalogue catalogue = benchFile.load();
    OpenedFile file;
    MainWindowState windowState;
    windowState.listMeasure = &*screenMeasure;
    platform::qt::QtWindows windows;
    platform::scripted::ScriptedMessageBoxes messages;
    platform::scripted::RecordingHelpViewer noHelp;
    platform::SystemClock clock;
    MainWindow main{catalogue, file, windowState, windows, messages, platform::systemFiles(), noHelp, clock};
    QTimer::singleShot(0, [&] {
        auto& list = *windows.find(windowState.window)->control<platform::qt::ListBoxView>(BookListId);
        while (!list.window()->windowHandle()->isExposed()) QCoreApplication::processEvents();
        BenchWindow bench{state, benchFile.scripts, main, list, messages, listFont, screenMeasure};
        if (prepare) prepare(bench);
        for (auto _ : state) step(bench);
        QAccessible::setActive(false);
        windows.endWindow(windowState.window);
    });
    runMainWindow(main);
}

}  // namespace

void registerInMainWindow(const char* name, const std::function<void(BenchWindow&)>& step,
                          const std::function<void(BenchWindow&)>& prepare) {
    registerOnBenchCatalogues(name, [step, prepare](benchmark::State& state, const BenchCatalogue& file) {
        timeInMainWindow(state, file, step, prepare);
    });
}

void drawList(BenchWindow& bench) { bench.list.viewport()->repaint(); }

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    registerBookListBenchmarks();
    registerCommandBenchmarks();
    registerStatisticsBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
