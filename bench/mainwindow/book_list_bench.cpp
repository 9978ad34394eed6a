// The book list on the Qt platform (offscreen), in the real main window, on
// the realistic catalogues measured as the program measures them (the list's
// font, each text once): the refill, the refill with the list drawn, the
// toggle of one mark, a search typed into the list, and whole commands as the
// main window runs them (the change, rebuildView, the refill, the row
// selected and the list drawn).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <optional>

#include "bench/support/bench_catalogue.h"
#include "core/letter_case.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "core/remembering_measure.h"
#include "dialogs/find_search.h"
#include "mainwindow/book_list.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "platform/qt/list_box.h"
#include "platform/qt/qt_text_measure.h"
#include "platform/qt/qt_window.h"
#include "platform/qt/qt_windows.h"
#include "platform/scripted/recording_help_viewer.h"
#include "platform/scripted/scripted_message_boxes.h"
#include "platform/system/posix_files.h"
#include "platform/system/system_clock.h"
#include "storage/catalogue_codec.h"

namespace {

using platform::qt::ListBoxView;

struct Bench {
    benchmark::State& state;
    MainWindow& main;
    ListBoxView& list;
    const platform::TextMeasure& listFont;
    std::optional<RememberingMeasure>& screenMeasure;  // wraps listFont
};

// Runs the main window on a realistic catalogue and times `step` once the
// window is on the screen.
void timeInMainWindow(benchmark::State& state, const std::function<void(Bench&)>& step) {
    const platform::qt::QtTextMeasure listFont(QApplication::font());
    std::optional<RememberingMeasure> screenMeasure(std::in_place, listFont);
    Catalogue catalogue = loadBenchCatalogue(static_cast<int>(state.range(0)), &*screenMeasure);
    MainWindowState windowState;
    platform::qt::QtWindows windows;
    platform::scripted::ScriptedMessageBoxes noMessages;
    platform::scripted::RecordingHelpViewer noHelp;
    platform::SystemClock clock;
    MainWindow main{catalogue, windowState, windows, noMessages, platform::systemFiles(), noHelp, clock};
    QTimer::singleShot(0, [&] {
        auto& list = *windows.find(windowState.window)->control<ListBoxView>(BookListId);
        while (!list.window()->windowHandle()->isExposed()) QCoreApplication::processEvents();
        Bench bench{state, main, list, listFont, screenMeasure};
        for (auto _ : state) step(bench);
        windows.endWindow(windowState.window);
    });
    runMainWindow(main);
}

void drawList(Bench& bench) { bench.list.viewport()->repaint(); }

// The end of every command: the list refilled when the view changed, the
// current row selected, and the list drawn.
void commandEpilogue(Bench& bench) {
    Catalogue& catalogue = bench.main.catalogue;
    if (catalogue.listStale) fillBookList(bench.main);
    bench.main.windows.setListRowSelected(bench.main.state.window, BookListId, catalogue.selectedRow - 1, true);
    drawList(bench);
}

void registerAtBothSizes(const char* name, const std::function<void(Bench&)>& step) {
    benchmark::RegisterBenchmark(name, [step](benchmark::State& state) { timeInMainWindow(state, step); })
        ->Apply(atCatalogueSizes)
        ->Unit(benchmark::kMillisecond);
}

// A search typed into the list for a letter no row starts with, so that every
// row is read.
void searchEveryRow(Bench& bench) { bench.list.keyboardSearch(QStringLiteral("q")); }

void registerAll() {
    registerAtBothSizes("fillBookList", [](Bench& bench) { fillBookList(bench.main); });
    registerAtBothSizes("fillBookList_andDraw", [](Bench& bench) {
        fillBookList(bench.main);
        drawList(bench);
    });
    registerAtBothSizes("toggleRowMark", [](Bench& bench) { toggleRowMark(bench.main, viewCount(bench.main.catalogue) / 2); });

    // A search after a refill reads every row's text anew; the texts have
    // been measured before.
    registerAtBothSizes("listSearch_afterRefill", [](Bench& bench) {
        bench.state.PauseTiming();
        fillBookList(bench.main);
        bench.state.ResumeTiming();
        searchEveryRow(bench);
    });
    // The first search after start-up measures every author and title.
    registerAtBothSizes("listSearch_firstAfterStart", [](Bench& bench) {
        bench.state.PauseTiming();
        bench.main.catalogue.screenMeasure = &bench.screenMeasure.emplace(bench.listFont);
        fillBookList(bench.main);
        bench.state.ResumeTiming();
        searchEveryRow(bench);
    });
    registerAtBothSizes("command/Case", [](Bench& bench) {
        toggleLetterCase(bench.main.catalogue);
        rebuildView(bench.main.catalogue);
        commandEpilogue(bench);
    });
    registerAtBothSizes("command/Sort", [](Bench& bench) {
        bench.main.catalogue.sortByDate = !bench.main.catalogue.sortByDate;
        rebuildView(bench.main.catalogue);
        commandEpilogue(bench);
    });
    registerAtBothSizes("command/BooksRead_or_ViewAll", [](Bench& bench) {
        bench.main.catalogue.viewMode = bench.main.catalogue.viewMode == BooksRead ? ViewAll : BooksRead;
        rebuildView(bench.main.catalogue);
        commandEpilogue(bench);
    });
    registerAtBothSizes("command/Find", [](Bench& bench) {
        runFind(bench.main.catalogue, makeFindCriteria("smith", "", "", -1));
        bench.main.catalogue.viewMode = BooksFound;
        rebuildView(bench.main.catalogue);
        commandEpilogue(bench);
    });
    // Each added book is dropped again, untimed, as a save of a deletion would.
    registerAtBothSizes("command/Add", [](Bench& bench) {
        Catalogue& catalogue = bench.main.catalogue;
        bench.state.PauseTiming();
        makeRoomForOneBook(catalogue);
        applyLetterCase(catalogue);  // as after the first addition
        bench.state.ResumeTiming();
        insertRecord(catalogue, "Middleton, Anne", "A new book of the year", "Kept on the shelf", packReadDate("06-15-2001"), 2, 3);
        commandEpilogue(bench);
        bench.state.PauseTiming();
        setFlag(catalogue.records[catalogue.currentRecord].flags, deleted, true);
        applyPurge(catalogue, planPurge(catalogue));
        bench.state.ResumeTiming();
    });
    registerAtBothSizes("command/Mark", [](Bench& bench) {
        const int row = viewCount(bench.main.catalogue) / 2;
        toggleRowMark(bench.main, row);
        bench.main.windows.setListRowSelected(bench.main.state.window, BookListId, row - 1, true);
        drawList(bench);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
