#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "mainwindow/main_window.h"
#include "platform/scripted/memory_files.h"
#include "platform/scripted/scripted_windows.h"

// What the whole-program fuzzer checks after every step of the user, with
// what it remembers from one step to the next.
struct ProgramWatch {
    platform::SystemPath startFolder;
    // The bytes of the file the catalogue was last loaded from or saved to
    // (an empty catalogue before any), and the catalogue's record of that file
    // when they were taken: a new record means a new load or save.
    std::string savedBytes;
    FileStamp savedStamp;
    // The files as the step found them.
    std::map<platform::SystemPath, std::string> filesBefore;
    std::map<platform::SystemPath, std::uint64_t> indexesBefore;
};

// Starts watching the program whose main window has just opened.
ProgramWatch startWatching(const MainWindow& main, const platform::scripted::MemoryFiles& disk,
                           const platform::SystemPath& startFolder);

// Before each step: the files as they are now.
void beforeStep(ProgramWatch& watch, const platform::scripted::MemoryFiles& disk);

// After each step, with the main window still open: the catalogue keeps its
// invariants; the list shows the view's records in order; the status line and
// the menus agree with the catalogue; `changed` is set whenever the books
// differ from those of the last file loaded or saved; a file saved in the step
// loads back as the catalogue it was saved from, and its backup holds the
// bytes it replaced. Returns what failed first, or "".
std::string problemAfterStep(ProgramWatch& watch, const MainWindow& main, const platform::scripted::ScriptedUser& window,
                             const platform::scripted::MemoryFiles& disk);

// Aborts with a message: the program broke what the fuzzer checks.
[[noreturn]] void programCheckFailed(const std::string& what);
