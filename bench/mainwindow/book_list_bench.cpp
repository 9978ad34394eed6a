// The book list alone: a full refill, the refill with the list drawn, the
// toggle of one mark, and letters typed into the list, which jump to an
// author; each also with the accessibility bridge on after a screen reader
// has read every row.
#include "bench/mainwindow/bench_window.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

#include "mainwindow/book_list.h"

namespace {

// A key typed into the list as the windowing system delivers it.
void typeKey(BenchWindow& bench, const QString& key) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
    QApplication::sendEvent(&bench.list, &press);
}

// A new search each time (as after a pause): no author begins with "x"
// (none of the surnames in any script does), so it reads the author of every
// row.
void typeLetterNoAuthorBegins(BenchWindow& bench) {
    bench.main.state.typeAhead = {};
    typeKey(bench, QStringLiteral("x"));
}

// A new search that jumps across the list: to the first author with a late
// initial ("w", or the Japanese "山" after every Cyrillic author) from the
// top, back to one with an early initial ("a", or the Cyrillic "К") after
// wrapping round, the row drawn.
void typeLetterAndJump(BenchWindow& bench) {
    const bool latin = bench.scripts == BookScripts::Latin;
    bench.main.state.typeAhead = {};
    typeKey(bench, bench.main.catalogue.view.selectedRow < viewCount(bench.main.catalogue.view) / 2
                       ? (latin ? QStringLiteral("w") : QStringLiteral("山"))
                       : (latin ? QStringLiteral("a") : QStringLiteral("К")));
    drawList(bench);
}

// The accessibility bridge on, as for a screen-reader user, and every row
// read through it, as a screen reader walking the list would.
void readByScreenReader(BenchWindow& bench) {
    QAccessible::setActive(true);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&bench.list);
    for (int child = 0; child < list->childCount(); ++child) list->child(child)->text(QAccessible::Name);
}

void registerWithAndWithoutScreenReader(const std::string& name, void (*step)(BenchWindow&)) {
    registerInMainWindow(name.c_str(), step);
    registerInMainWindow((name + "_screenReader").c_str(), step, readByScreenReader);
}

}  // namespace

void registerBookListBenchmarks() {
    registerWithAndWithoutScreenReader("fillBookList", [](BenchWindow& bench) { fillBookList(bench.main); });
    registerWithAndWithoutScreenReader("fillBookList_andDraw", [](BenchWindow& bench) {
        fillBookList(bench.main);
        drawList(bench);
    });
    // A refill lets go of what the screen reader has read; here it has read
    // every row again before each refill.
    registerInMainWindow("fillBookList_andDraw_everyRowReadBefore", [](BenchWindow& bench) {
        bench.state.PauseTiming();
        readByScreenReader(bench);
        bench.state.ResumeTiming();
        fillBookList(bench.main);
        drawList(bench);
    });
    registerWithAndWithoutScreenReader("toggleRowMark", [](BenchWindow& bench) {
        toggleRowMark(bench.main, viewCount(bench.main.catalogue.view) / 2);
    });
    registerWithAndWithoutScreenReader("typeIntoList_noAuthorBegins", typeLetterNoAuthorBegins);
    registerWithAndWithoutScreenReader("typeIntoList_jumpAndDraw", typeLetterAndJump);
}
