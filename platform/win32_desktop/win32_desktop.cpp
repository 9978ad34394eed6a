// The desktop on Windows: the native dialogs and windows, the common
// dialogs, help and measure, printing through GDI, and the system's
// services.
#include <windows.h>
#include <commctrl.h>

#include "platform/desktop.h"
#include "platform/special_folders.h"
#include "platform/system_services.h"
#include "platform/win32_desktop/win32_file_dialogs.h"
#include "platform/win32_desktop/win32_help_viewer.h"
#include "platform/win32_desktop/win32_message_boxes.h"
#include "platform/win32_desktop/win32_text_measure.h"
#include "platform/win32_print/win32_print_surface.h"
#include "platform/win32_windows/win32_windows.h"

namespace platform {

namespace {

// The common controls of version 6 (which the programs' manifests ask for)
// register their window classes here, the tree view of the help window among them.
bool initialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
}

class Win32Desktop final : public Desktop {
  public:
    Win32Desktop() { initialiseCommonControls(); }

    Windows& windows() override { return nativeWindows; }
    MessageBoxes& messageBoxes() override { return boxes; }
    FileDialogs& fileDialogs() override { return dialogs; }
    HelpViewer& helpViewer() override { return help; }
    Files& files() override { return services.files; }
    const Clock& clock() override { return services.clock; }
    Transliterator& transliterator() override { return services.transliterator; }
    SystemPath programFile() override { return platform::programFile(); }
    std::unique_ptr<PrintSurface> openDefaultPrinter() override { return win32_print::openDefaultPrinter(); }
    std::unique_ptr<TextMeasure> listTextMeasure(double dialogUnitsPerUnit) override {
        return win32::Win32TextMeasure::inDialogUnits(dialogUnitsPerUnit);
    }

  private:
    SystemServices services = systemServices();
    win32::Win32Windows nativeWindows;
    win32::Win32MessageBoxes boxes;
    win32::Win32FileDialogs dialogs;
    win32::Win32HelpViewer help{nativeWindows, services.files};
};

}  // namespace

// The arguments are Qt's on Linux; the Windows desktop takes none.
std::unique_ptr<Desktop> openDesktop(int&, char**) { return std::make_unique<Win32Desktop>(); }

}  // namespace platform
