#include "platform/qt_desktop/qt_platform.h"

#include <QApplication>

#include "platform/qt_desktop/qt_file_dialogs.h"
#include "platform/qt_desktop/qt_help_viewer.h"
#include "platform/qt_desktop/qt_message_boxes.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/qt_windows/qt_windows.h"

namespace platform::qt {

struct QtPlatform::Parts {
    Parts(int& argc, char** argv) : application(argc, argv) {}

    QApplication application;
    QtWindows windows;
    QtMessageBoxes messageBoxes;
    QtFileDialogs fileDialogs;
    QtHelpViewer helpViewer{windows};
};

QtPlatform::QtPlatform(int& argc, char** argv) : parts(std::make_unique<Parts>(argc, argv)) {}

QtPlatform::~QtPlatform() = default;

Windows& QtPlatform::windows() { return parts->windows; }

MessageBoxes& QtPlatform::messageBoxes() { return parts->messageBoxes; }

FileDialogs& QtPlatform::fileDialogs() { return parts->fileDialogs; }

HelpViewer& QtPlatform::helpViewer() { return parts->helpViewer; }

std::unique_ptr<TextMeasure> QtPlatform::listTextMeasure(double dialogUnitsPerUnit) {
    return std::make_unique<QtTextMeasure>(QtTextMeasure::inDialogUnits(QApplication::font(), dialogUnitsPerUnit));
}

}  // namespace platform::qt
