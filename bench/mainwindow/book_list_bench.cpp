// How long the book list takes on the Qt platform (offscreen): a full refill,
// and the toggle of one mark, in catalogues up to the largest a file holds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include "mainwindow/book_list.h"
#include "mainwindow/main_window.h"
#include "platform/qt/qt_windows.h"
#include "platform/scripted/recording_help_viewer.h"
#include "platform/scripted/scripted_message_boxes.h"
#include "platform/system/posix_files.h"
#include "platform/system/system_clock.h"
#include "tests/support/large_catalogue.h"

namespace {

// Runs the main window on a large catalogue and times `step` while it is up.
void timeInMainWindow(benchmark::State& state, const std::function<void(MainWindow&)>& step) {
    Catalogue catalogue = makeLargeCatalogue(static_cast<int>(state.range(0)));
    MainWindowState windowState;
    platform::qt::QtWindows windows;
    platform::scripted::ScriptedMessageBoxes noMessages;
    platform::scripted::RecordingHelpViewer noHelp;
    platform::SystemClock clock;
    MainWindow main{catalogue, windowState, windows, noMessages, platform::systemFiles(), noHelp, clock};
    QTimer::singleShot(0, [&] {
        for (auto _ : state) step(main);
        windows.endWindow(windowState.window);
    });
    runMainWindow(main);
}

void fillBookListBench(benchmark::State& state) {
    timeInMainWindow(state, [](MainWindow& main) { fillBookList(main); });
}
BENCHMARK(fillBookListBench)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);

void toggleRowMarkBench(benchmark::State& state) {
    timeInMainWindow(state, [](MainWindow& main) { toggleRowMark(main, viewCount(main.catalogue) / 2); });
}
BENCHMARK(toggleRowMarkBench)->Arg(32767)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
