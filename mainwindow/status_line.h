#pragma once

#include <string>

#include "mainwindow/main_window_layout.h"
#include "platform/system_path.h"

struct MainWindow;

// The texts of the status line. Numbers take the decimal form: their digits
// after one blank, or after "-" when negative.
std::string decimalForm(int number);
std::string markedCountText(int markedCount);     // " 3 marked"; "" for none
std::string positionText(int row, int rowCount);  // " 3 of  120"
// The bare file name when the file lies in startDirectory itself, else the
// whole path, as a text shows it (platform::shownPath); "" without
// a file.
std::string fileDisplay(const platform::SystemPath& fileName, const platform::SystemPath& startDirectory);

// The position field shows the position of the current row in the view; for
// the dialogs that move the current row while they are open.
void showCurrentPosition(MainWindow& main);

// The file field shows "Status: " and a non-empty text, or the file display
// for an empty one; the position field always shows the position text; the
// view and marks fields show the text as given. Before the window exists
// nothing happens.
void setStatus(MainWindow& main, StatusField field, const std::string& text);
