#include "mainwindow/status_line.h"

#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "platform/path_form.h"

std::string decimalForm(int number) { return (number < 0 ? "" : " ") + std::to_string(number); }

std::string markedCountText(int markedCount) {
    return markedCount == 0 ? std::string() : decimalForm(markedCount) + " marked";
}

std::string positionText(int row, int rowCount) { return decimalForm(row) + " of " + decimalForm(rowCount); }

std::string fileDisplay(const platform::SystemPath& fileName, const platform::SystemPath& startDirectory) {
    // Both folders end in a separator, which may be either of the system's.
    const std::string folder = platform::folderOf(fileName).systemBytes();
    const std::string start = platform::withFinalSeparator(startDirectory).systemBytes();
    if (!startDirectory.empty() && folder.size() == start.size() &&
        folder.compare(0, folder.size() - 1, start, 0, start.size() - 1) == 0)
        return platform::shownPath(platform::fileNameOf(fileName));
    return platform::shownPath(fileName);
}

void setStatus(MainWindow& main, StatusField field, const std::string& text) {
    if (!main.state.window) return;
    std::string shown = text;
    switch (field) {
        case StatusField::File:
            shown = text.empty() ? fileDisplay(main.file.path, main.state.startDirectory) : "Status: " + text;
            break;
        case StatusField::View:
        case StatusField::Marks: break;
        case StatusField::Position:
            shown = positionText(main.catalogue.view.selectedRow, viewCount(main.catalogue.view));
            break;
    }
    main.windows.setText(main.state.window, statusLabelId(field), shown);
}

void showCurrentPosition(MainWindow& main) { setStatus(main, StatusField::Position, ""); }
