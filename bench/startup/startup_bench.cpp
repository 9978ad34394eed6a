// Start-up of the real quorvels program, offscreen, on an empty catalogue and
// on the realistic catalogues of 5000 and 32767 books (and the 32767 in
// Cyrillic and Japanese), beside a bare Qt window of the same size, side by
// side in one run: the time from starting the process to its list being
// painted in the first window, and the process's peak resident memory.
//
//     startup_bench [ROUNDS [OTHER_QUORVELS]]
//
// OTHER_QUORVELS, another build of the program (such as one before a change),
// is started on the same catalogues in the same rounds, its rows marked
// "other". Each round starts every row once, in a rotating order; the table
// gives medians over the rounds.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/start_rounds.h"

namespace {

// The catalogues, by the name of their file in QUORVELS_BENCH_CATALOGUES
// ("books-NAME.pmr"); the first is the empty one.
struct CatalogueRow {
    const char* file;
    const char* shown;
};
constexpr std::array<CatalogueRow, 4> catalogues = {{{"0", "0 books"},
                                                     {"5000", "5000 books"},
                                                     {"32767", "32767 books"},
                                                     {"32767-scripts", "32767 books, Cyrillic and Japanese"}}};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// A start folder whose settings file names the catalogue `name`.
std::string startFolder(const std::filesystem::path& root, const std::string& name) {
    const std::filesystem::path folder = root / name;
    std::filesystem::create_directories(folder);
    const std::string catalogue = std::string(QUORVELS_BENCH_CATALOGUES) + "/books-" + name + ".pmr";
    if (!std::filesystem::exists(catalogue))
        throw std::runtime_error(catalogue + " is missing: cmake --build --preset release --target bench_catalogues");
    std::ofstream(folder / "quorvels.ini", std::ios::binary) << catalogue << "\r\n";
    return folder.string();
}

// Starts `program` in `folder` with the probe preloaded and waits for its
// report. Qt's runtime folder is `runtime`, so that Qt has nothing to warn about.
Start startOnce(const std::string& program, const std::string& folder, const std::string& runtime) {
    int report[2];
    if (pipe(report) != 0) throw std::runtime_error("pipe failed");
    const long long started = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        if (chdir(folder.c_str()) != 0) _exit(127);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("LD_PRELOAD", QUORVELS_SHOW_PROBE, 1);
        setenv("QUORVELS_SHOWN_FD", std::to_string(report[1]).c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(report[1]);
    std::string text;
    char buffer[64];
    for (ssize_t got; (got = read(report[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(report[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (text.empty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " did not report its window from " + folder);
    return {static_cast<double>(std::atoll(text.c_str()) - started) / 1e6,
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// One row of the table: a program started in a folder.
struct StartRow {
    std::string program;
    std::string folder;
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    std::vector<std::string> programs = {QUORVELS_PROGRAM};
    if (argc > 2) programs.emplace_back(argv[2]);
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("quorvels-startup-" + std::to_string(getpid()));
    try {
        std::vector<StartCase> cases = {{"bare Qt window", 1}};
        std::vector<StartRow> rows = {{QUORVELS_BARE_WINDOW, startFolder(root, catalogues[0].file)}};
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const std::size_t empty = cases.size();
            for (const CatalogueRow& catalogue : catalogues) {
                cases.push_back({(p == 0 ? "" : "other, ") + std::string(catalogue.shown), empty});
                rows.push_back({programs[p], startFolder(root, catalogue.file)});
            }
        }
        const std::string runtime = (root / "runtime").string();
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        measureStarts(
            cases, rounds, [&](std::size_t c) { return startOnce(rows[c].program, rows[c].folder, runtime); },
            "start-up", "peak memory");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        std::filesystem::remove_all(root);
        return 1;
    }
    std::filesystem::remove_all(root);
    return 0;
}
