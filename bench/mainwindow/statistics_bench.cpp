// The reading statistics dialog opened from the View menu of the real main
// window on Qt, offscreen: timed from the command until the dialog is up and
// drawn, its chart and lists included; closing it is left out.
#include <QApplication>
#include <QTimer>
#include <QWindow>

#include "bench/mainwindow/bench_window.h"
#include "mainwindow/menus.h"

void registerStatisticsBenchmarks() {
    registerInMainWindow("command/readingStatistics", [](BenchWindow& bench) {
        QTimer::singleShot(0, [&bench] {
            QWidget* dialog = QApplication::activeModalWidget();
            while (!dialog->windowHandle()->isExposed()) QCoreApplication::processEvents();
            dialog->repaint();
            bench.state.PauseTiming();
            dialog->close();
        });
        handleMainWindowMessage(bench.main, bench.main.state.window,
                                {platform::MessageKind::Command, ReadingStatisticsCommand});
        bench.state.ResumeTiming();
    });
}
