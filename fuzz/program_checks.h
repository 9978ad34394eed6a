#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "mainwindow/main_window.h"
#include "platform/testing/memory_files.h"
#include "platform/testing/scripted_message_boxes.h"
#include "platform/testing/scripted_windows.h"

// What the whole-program fuzzer checks after every step of the user, with
// what it remembers from one step to the next.
struct ProgramWatch {
    platform::SystemPath startFolder;
    // The bytes of the file the catalogue was last loaded from or saved to
    // (an empty catalogue before any), and the catalogue's record of that file
    // when they were taken: a new record means a new load or save.
    std::string savedBytes;
    FileStamp savedStamp;
    // The files as the step found them, and how many message boxes had been shown.
    std::map<platform::SystemPath, std::string> filesBefore;
    std::map<platform::SystemPath, std::uint64_t> indexesBefore;
    std::size_t boxesBefore = 0;
};

// What the program has shown and read: its main window, its files and every
// message box so far.
struct ProgramView {
    const MainWindow& main;
    const platform::scripted::ScriptedUser& window;
    const platform::scripted::MemoryFiles& disk;
    const std::vector<platform::scripted::ScriptedMessageBoxes::Shown>& boxes;
};

// Starts watching the program whose main window has just opened.
ProgramWatch startWatching(const ProgramView& program, const platform::SystemPath& startFolder);

// Before each step: the files and message boxes as they are now.
void beforeStep(ProgramWatch& watch, const ProgramView& program);

// After each step, with the main window still open: the catalogue keeps its
// invariants; the list shows the view's records in order; the status line and
// the menus agree with the catalogue; `changed` is set whenever the books
// differ from those of the last file loaded or saved; a file saved in the step
// loads back as the catalogue it was saved from, its backup holds the bytes
// it replaced, and the save asked first exactly when another program had
// changed the file. Returns what failed first, or "".
std::string problemAfterStep(ProgramWatch& watch, const ProgramView& program);

// Aborts with a message: the program broke what the fuzzer checks.
[[noreturn]] void programCheckFailed(const std::string& what);
