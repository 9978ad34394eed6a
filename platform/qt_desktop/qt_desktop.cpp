// The desktop on Qt: its windows, dialogs, help and measure, printing through
// Qt, and the system's services.
#include "platform/desktop.h"
#include "platform/qt_desktop/qt_platform.h"
#include "platform/qt_print/qt_print_surface.h"
#include "platform/special_folders.h"
#include "platform/system_services.h"

namespace platform {

namespace {

class QtDesktop final : public Desktop {
  public:
    QtDesktop(int& argc, char** argv) : qt(argc, argv) {}

    Windows& windows() override { return qt.windows(); }
    MessageBoxes& messageBoxes() override { return qt.messageBoxes(); }
    FileDialogs& fileDialogs() override { return qt.fileDialogs(); }
    HelpViewer& helpViewer() override { return qt.helpViewer(); }
    Files& files() override { return services.files; }
    const Clock& clock() override { return services.clock; }
    Transliterator& transliterator() override { return services.transliterator; }
    SystemPath programFile() override { return platform::programFile(); }
    std::unique_ptr<PrintSurface> openDefaultPrinter() override { return qt_print::openDefaultPrinter(); }
    std::unique_ptr<TextMeasure> listTextMeasure(double dialogUnitsPerUnit) override {
        return qt.listTextMeasure(dialogUnitsPerUnit);
    }

  private:
    qt::QtPlatform qt;
    SystemServices services = systemServices();
};

}  // namespace

std::unique_ptr<Desktop> openDesktop(int& argc, char** argv) { return std::make_unique<QtDesktop>(argc, argv); }

}  // namespace platform
