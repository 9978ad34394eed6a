// Start-up of the real quorvels.exe under the system's windows, on an empty
// catalogue and on the realistic catalogues of 5000 and 32767 books, side by
// side in one run: the time from creating the process to its book list being
// on the screen and painted (shown, with nothing left in its update region,
// which only the list's WM_PAINT empties), and the process's peak working set.
//
//     win32_startup_bench CATALOGUE_FOLDER [ROUNDS]
//
// CATALOGUE_FOLDER holds books-0.pmr, books-5000.pmr and books-32767.pmr (the
// bench_catalogues target of the Linux build). Each round starts the program
// once per size, in a rotating order; the table gives medians over the rounds.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/start_rounds.h"
#include "bench/win32/stopwatch.h"
#include "mainwindow/main_window_layout.h"
#include "platform/win32/wide_text.h"

namespace {

constexpr std::array<int, 3> sizes = {0, 5000, 32767};

std::wstring folderOfThisProgram() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring programPath() {
    std::wstring relative = QUORVELS_PROGRAMS;
    for (wchar_t& unit : relative)
        if (unit == L'/') unit = L'\\';
    return folderOfThisProgram() + relative + L"\\quorvels.exe";
}

// A start folder whose settings file names the catalogue of `size` books.
std::wstring startFolder(const std::wstring& root, const std::wstring& catalogues, int size) {
    const std::wstring folder = root + L"\\" + std::to_wstring(size);
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring catalogue = catalogues + L"\\books-" + std::to_wstring(size) + L".pmr";
    if (GetFileAttributesW(catalogue.c_str()) == INVALID_FILE_ATTRIBUTES)
        throw std::runtime_error(platform::pathFromWide(catalogue).systemBytes() +
                                 " is missing: cmake --build --preset release --target bench_catalogues");
    const std::string line = platform::pathFromWide(catalogue).systemBytes() + "\r\n";
    HANDLE settings = CreateFileW((folder + L"\\quorvels.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (settings == INVALID_HANDLE_VALUE ||
        !WriteFile(settings, line.data(), static_cast<DWORD>(line.size()), &written, nullptr))
        throw std::runtime_error("cannot write the settings file in " + platform::pathFromWide(folder).systemBytes());
    CloseHandle(settings);
    return folder;
}

void removeStartFolders(const std::wstring& root) {
    for (const int size : sizes) {
        const std::wstring folder = root + L"\\" + std::to_wstring(size);
        DeleteFileW((folder + L"\\quorvels.ini").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    RemoveDirectoryW(root.c_str());
}

// The book list of the process's main window once it is shown and painted, or none yet.
HWND paintedList(DWORD processId) {
    HWND window = FindWindowW(nullptr, L"Quorvels - Lectorium");
    DWORD owner = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &owner) == 0 || owner != processId) return nullptr;
    HWND list = GetDlgItem(window, BookListId);
    return list != nullptr && IsWindowVisible(list) && !GetUpdateRect(list, nullptr, FALSE) ? list : nullptr;
}

// Starts the program in `folder`, watches for its painted list (polling each
// millisecond, within a minute), reads its peak working set and ends it.
Start startOnce(const std::wstring& program, const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const double started = nowMilliseconds();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        throw std::runtime_error("cannot start " + platform::pathFromWide(program).systemBytes());
    bool painted = false;
    while (!painted && nowMilliseconds() - started < 60000 && WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT)
        painted = paintedList(process.dwProcessId) != nullptr;
    const double milliseconds = nowMilliseconds() - started;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!painted)
        throw std::runtime_error("quorvels.exe did not paint its list from " +
                                 platform::pathFromWide(folder).systemBytes());
    return {milliseconds, static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: win32_startup_bench CATALOGUE_FOLDER [ROUNDS]\n");
        return 2;
    }
    const std::wstring catalogues = platform::wideFromPath(argv[1]);
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporary);
    const std::wstring root = std::wstring(temporary) + L"quorvels-startup-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(root.c_str(), nullptr);
    try {
        const std::wstring program = programPath();
        std::array<std::wstring, sizes.size()> folders;
        for (std::size_t s = 0; s < sizes.size(); ++s) folders[s] = startFolder(root, catalogues, sizes[s]);
        std::vector<StartCase> cases;
        for (const int size : sizes) cases.push_back({std::to_string(size) + " books", 0});
        measureStarts(
            cases, rounds, [&](std::size_t s) { return startOnce(program, folders[s]); }, "Windows start-up",
            "peak working set");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "win32_startup_bench: %s\n", error.what());
        removeStartFolders(root);
        return 1;
    }
    removeStartFolders(root);
    return 0;
}
