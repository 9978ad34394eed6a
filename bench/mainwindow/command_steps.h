#pragma once

#include <functional>
#include <vector>

#include "mainwindow/main_window.h"
#include "platform/testing/scripted_message_boxes.h"

// What a command step reaches of the main window it is timed in, on whichever
// platform draws it.
struct CommandBench {
    MainWindow& main;
    platform::scripted::ScriptedMessageBoxes& messages;  // answers the step queues
    const char* authorToFind;        // typed into the find dialog: part of some authors, as they are written
    std::function<void()> drawList;  // draws the list's rows at once, as the screen shows them
    std::function<void(const std::function<void()>&)> untimed;  // runs a part of the step outside the timing
};

// One command, timed from the click to the list drawn; named as the
// benchmarks report it ("command/...").
struct CommandStep {
    const char* name;
    void (*run)(CommandBench& bench);
};

// Every command the benchmarks time, in the order they report them.
const std::vector<CommandStep>& commandSteps();
