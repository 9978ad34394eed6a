// The command steps as Google Benchmark times them in the Qt main window.
#include "bench/mainwindow/bench_window.h"
#include "bench/mainwindow/command_steps.h"

void registerCommandBenchmarks() {
    for (const CommandStep& step : commandSteps())
        registerInMainWindow(step.name, [run = step.run](BenchWindow& bench) {
            CommandBench command{bench.main, bench.messages, authorToFind(bench.scripts), [&bench] { drawList(bench); },
                                 [&bench](const std::function<void()>& part) {
                                     bench.state.PauseTiming();
                                     part();
                                     bench.state.ResumeTiming();
                                 }};
            run(command);
        });
}
