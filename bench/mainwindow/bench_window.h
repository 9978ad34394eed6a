#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <optional>

#include "bench/support/bench_catalogue.h"
#include "mainwindow/remembering_measure.h"
#include "mainwindow/main_window.h"
#include "platform/qt_windows/list_box.h"
#include "platform/testing/scripted_message_boxes.h"

// The real main window on the Qt platform (offscreen) with a realistic
// catalogue, measured as the program measures it: the list's font, each text
// once. What a benchmark step may reach.
struct BenchWindow {
    benchmark::State& state;
    BookScripts scripts;  // of the catalogue's texts
    MainWindow& main;
    platform::qt::ListBoxView& list;
    platform::scripted::ScriptedMessageBoxes& messages;  // answers the benchmark queues
    const platform::TextMeasure& listFont;
    std::optional<RememberingMeasure>& screenMeasure;  // wraps listFont
};

// Registers `step` as `name` on the benchmark catalogues: each iteration runs
// it once in a main window that is up on the screen, after `prepare` ran once.
void registerInMainWindow(const char* name, const std::function<void(BenchWindow&)>& step,
                          const std::function<void(BenchWindow&)>& prepare = {});

// Draws the list's rows at once, as the screen would show them.
void drawList(BenchWindow& bench);

void registerBookListBenchmarks();
void registerCommandBenchmarks();
void registerStatisticsBenchmarks();
