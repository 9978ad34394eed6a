#pragma once

#include <string>

#include "mainwindow/main_window.h"

// Asks a Yes/No question in a message box; true when the user answers Yes.
inline bool userSaysYes(MainWindow& main, const std::string& text, const std::string& caption, platform::Icon icon) {
    return main.messages.messageBox(text, caption, platform::Buttons::YesNo, icon) == platform::Answer::Yes;
}
