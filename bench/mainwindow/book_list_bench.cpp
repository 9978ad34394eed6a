// The book list alone: a full refill, the refill with the list drawn, the
// toggle of one mark, and a search typed into the list, which reads every row.
#include "bench/mainwindow/bench_window.h"

#include "mainwindow/book_list.h"

namespace {

// A letter no row starts with (every row starts with its mark), so that the
// search reads every row.
void searchEveryRow(BenchWindow& bench) { bench.list.keyboardSearch(QStringLiteral("q")); }

}  // namespace

void registerBookListBenchmarks() {
    registerInMainWindow("fillBookList", [](BenchWindow& bench) { fillBookList(bench.main); });
    registerInMainWindow("fillBookList_andDraw", [](BenchWindow& bench) {
        fillBookList(bench.main);
        drawList(bench);
    });
    registerInMainWindow("toggleRowMark",
                         [](BenchWindow& bench) { toggleRowMark(bench.main, viewCount(bench.main.catalogue) / 2); });
    // After a refill every row is read anew; its texts were measured before.
    registerInMainWindow("listSearch_afterRefill", [](BenchWindow& bench) {
        bench.state.PauseTiming();
        fillBookList(bench.main);
        bench.state.ResumeTiming();
        searchEveryRow(bench);
    });
    // The first search after start-up measures every author and title.
    registerInMainWindow("listSearch_firstAfterStart", [](BenchWindow& bench) {
        bench.state.PauseTiming();
        bench.main.catalogue.screenMeasure = &bench.screenMeasure.emplace(bench.listFont);
        fillBookList(bench.main);
        bench.state.ResumeTiming();
        searchEveryRow(bench);
    });
}
