// The main window's commands on the Windows build, in the real Win32 main
// window on the catalogue given, each through the window's own handler and
// followed by the list repainted at once (RedrawWindow with RDW_UPDATENOW):
// the same steps as the Linux command benchmarks, timed once per repetition
// from a thread timer inside the window's message loop, medians printed.
//
//     win32_commands_bench CATALOGUE [REPETITIONS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "bench/mainwindow/command_steps.h"
#include "bench/support/catalogue_steps.h"
#include "bench/support/median.h"
#include "bench/win32/stopwatch.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/remembering_measure.h"
#include "platform/desktop.h"
#include "platform/system_clock.h"
#include "platform/system_files.h"
#include "platform/testing/recording_help_viewer.h"

namespace {

struct Run {
    MainWindow& main;
    platform::scripted::ScriptedMessageBoxes& messages;
    int repetitions;
    int books;
    bool failed = false;
};
Run* current = nullptr;

// Each step `repetitions` times, its untimed parts left out: the median wall time.
void timeEveryStep(Run& run) {
    HWND list = GetDlgItem(FindWindowW(nullptr, L"Quorvels - Lectorium"), BookListId);
    std::printf("| command | Windows (Wine), %d books: wall |\n|---|---|\n", run.books);
    for (const CommandStep& step : commandSteps()) {
        std::vector<double> times;
        for (int repetition = 0; repetition < run.repetitions; ++repetition) {
            double untimed = 0;
            CommandBench bench{run.main, run.messages, authorToFind(BookScripts::Latin),
                               [list] { RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); },
                               [&untimed](const std::function<void()>& part) {
                                   const double start = nowMilliseconds();
                                   part();
                                   untimed += nowMilliseconds() - start;
                               }};
            const double start = nowMilliseconds();
            step.run(bench);
            times.push_back(nowMilliseconds() - start - untimed);
        }
        std::printf("| %s | %.3f ms |\n", step.name, median(times));
    }
}

// Once the window is up: every step, then the window ends.
void CALLBACK measure(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Run& run = *current;
    try {
        timeEveryStep(run);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "win32_commands_bench: %s\n", error.what());
        run.failed = true;
    }
    run.main.windows.endWindow(run.main.state.window);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: win32_commands_bench CATALOGUE [REPETITIONS]\n");
        return 2;
    }
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 25;
    try {
        Catalogue catalogue = loadCatalogueFile(argv[1]);
        OpenedFile file;
        const std::unique_ptr<platform::Desktop> desktop = platform::openDesktop(argc, argv);
        const std::unique_ptr<platform::TextMeasure> listFont = desktop->listTextMeasure(ListTextUnit);
        const RememberingMeasure screenMeasure(*listFont);
        MainWindowState state;
        state.listMeasure = &screenMeasure;
        platform::scripted::ScriptedMessageBoxes messages;
        platform::scripted::RecordingHelpViewer noHelp;
        platform::SystemClock clock;
        MainWindow main{catalogue, file, state, desktop->windows(), messages, platform::systemFiles(), noHelp, clock};
        Run run{main, messages, repetitions, recordCount(catalogue.books)};
        current = &run;
        SetTimer(nullptr, 0, USER_TIMER_MINIMUM, measure);
        runMainWindow(main);
        if (run.failed) return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "win32_commands_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
