// Start-up of the real quorvels program, offscreen, on an empty catalogue and
// on the realistic catalogues of 5000 and 32767 books, side by side in one
// run: the time from starting the process to its book list being painted in
// the first window, and the process's peak resident memory.
//
//     startup_bench [ROUNDS]
//
// Each round starts the program once per size, in a rotating order; the table
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

constexpr std::array<int, 3> sizes = {0, 5000, 32767};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// A start folder whose settings file names the catalogue of `size` books.
std::string startFolder(const std::filesystem::path& root, int size) {
    const std::filesystem::path folder = root / std::to_string(size);
    std::filesystem::create_directories(folder);
    const std::string catalogue = std::string(QUORVELS_BENCH_CATALOGUES) + "/books-" + std::to_string(size) + ".pmr";
    if (!std::filesystem::exists(catalogue))
        throw std::runtime_error(catalogue + " is missing: cmake --build --preset release --target bench_catalogues");
    std::ofstream(folder / "quorvels.ini", std::ios::binary) << catalogue << "\r\n";
    return folder.string();
}

// Starts the program in `folder` with the probe preloaded and waits for its
// report. Qt's runtime folder is `runtime`, so that Qt has nothing to warn about.
Start startOnce(const std::string& folder, const std::string& runtime) {
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
        execl(QUORVELS_PROGRAM, QUORVELS_PROGRAM, static_cast<char*>(nullptr));
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
        throw std::runtime_error("quorvels did not report its window from " + folder);
    return {static_cast<double>(std::atoll(text.c_str()) - started) / 1e6,
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("quorvels-startup-" + std::to_string(getpid()));
    try {
        std::array<std::string, sizes.size()> folders;
        for (std::size_t s = 0; s < sizes.size(); ++s) folders[s] = startFolder(root, sizes[s]);
        const std::string runtime = (root / "runtime").string();
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        measureStarts(
            sizes, rounds, [&](std::size_t s) { return startOnce(folders[s], runtime); }, "start-up", "peak memory");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        std::filesystem::remove_all(root);
        return 1;
    }
    std::filesystem::remove_all(root);
    return 0;
}
