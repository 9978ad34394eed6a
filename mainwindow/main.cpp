// The catalogue program: the Qt platform, the program's single objects, and the run.
#include <filesystem>
#include <memory>
#include <iostream>

#include "mainwindow/remembering_measure.h"
#include "dialogs/find_dialog.h"
#include "dialogs/record_dialog.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/startup.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt_print/qt_print_surface.h"
#include "platform/system/posix_files.h"
#include "platform/system/system_clock.h"
#include "printing/print_dialog.h"

int main(int argc, char** argv) {
    std::error_code error;
    const platform::SystemPath startDirectory = std::filesystem::current_path(error).native();
    if (error) {
        std::cerr << "quorvels: the folder it was started in cannot be read: " << error.message() << "\n";
        return 1;
    }

    platform::qt::QtPlatform qt(argc, argv);
    Catalogue catalogue;
    MainWindowState state;
    platform::SystemClock clock;
    MainWindow main{catalogue, state, qt.windows(), qt.messageBoxes(), platform::systemFiles(), qt.helpViewer(),
                    clock, {showRecordDialog, showFindDialog, showPrintDialog, &qt.fileDialogs()}};
    // The list measures a row's texts each time it first draws or searches
    // the row: each text is measured by the toolkit once.
    const std::unique_ptr<platform::TextMeasure> listMeasure = qt.listTextMeasure(ListTextUnit);
    const RememberingMeasure rememberingMeasure(*listMeasure);
    runQuorvels(main, startDirectory, {rememberingMeasure, platform::qt_print::openDefaultPrinter});
    return 0;
}
