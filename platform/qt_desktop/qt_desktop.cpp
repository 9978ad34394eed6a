// The desktop on Qt: its windows, dialogs, help and measure, printing through
// Qt, and the POSIX files and clock.
#include "platform/desktop.h"
#include "platform/qt_desktop/qt_platform.h"
#include "platform/qt_print/qt_print_surface.h"
#include "platform/system_files.h"
#include "platform/system_clock.h"

namespace platform {

namespace {

class QtDesktop final : public Desktop {
public:
    QtDesktop(int& argc, char** argv) : qt(argc, argv) {}

    Windows& windows() override { return qt.windows(); }
    MessageBoxes& messageBoxes() override { return qt.messageBoxes(); }
    FileDialogs& fileDialogs() override { return qt.fileDialogs(); }
    HelpViewer& helpViewer() override { return qt.helpViewer(); }
    Files& files() override { return systemFiles(); }
    const Clock& clock() override { return systemClock; }
    std::unique_ptr<PrintSurface> openDefaultPrinter() override { return qt_print::openDefaultPrinter(); }
    std::unique_ptr<TextMeasure> listTextMeasure(double dialogUnitsPerUnit) override {
        return qt.listTextMeasure(dialogUnitsPerUnit);
    }

private:
    qt::QtPlatform qt;
    SystemClock systemClock;
};

}  // namespace

std::unique_ptr<Desktop> openDesktop(int& argc, char** argv) { return std::make_unique<QtDesktop>(argc, argv); }

}  // namespace platform
