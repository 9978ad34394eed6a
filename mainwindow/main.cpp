// The catalogue program: the Qt platform, the program's single objects, and the run.
#include <filesystem>
#include <iostream>

#include "core/remembering_measure.h"
#include "mainwindow/startup.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt_print/qt_print_surface.h"
#include "platform/system/posix_files.h"

int main(int argc, char** argv) {
    std::error_code error;
    const std::string startDirectory = std::filesystem::current_path(error).string();
    if (error) {
        std::cerr << "quorvels: the folder it was started in cannot be read: " << error.message() << "\n";
        return 1;
    }

    platform::qt::QtPlatform qt(argc, argv);
    Catalogue catalogue;
    MainWindowState state;
    MainWindow main{catalogue, state, qt.windows(), qt.messageBoxes(), platform::systemFiles(), qt.helpViewer()};
    // The list measures a row's texts each time it draws or searches the row:
    // each text is measured by the toolkit once.
    const RememberingMeasure screenMeasure(qt.screenMeasure());
    runQuorvels(main, startDirectory, {screenMeasure, platform::qt_print::openDefaultPrinter});
    return 0;
}
