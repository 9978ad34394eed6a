#include "printing/print_dialog.h"

#include "core/ordering.h"
#include "platform/dialog_frame.h"
#include "printing/print_books.h"

using platform::ControlKind;
using platform::MessageKind;
using platform::WindowHandle;
namespace style = platform::style;

namespace {

// The open dialog and what it works on.
struct PrintDialog {
    Catalogue& catalogue;
    platform::Windows& windows;
    platform::MessageBoxes& messages;
    platform::PrintSurface* printer;
    WindowHandle window;
};

// Before the dialog shows: the choices start from what is marked.
void initialise(const PrintDialog& dialog) {
    platform::Windows& windows = dialog.windows;
    windows.setChecked(dialog.window, dialog.catalogue.books.markedCount != 0 ? MarkedOnlyId : AllListedId, true);
    windows.setChecked(dialog.window, NormalFontId, true);
    windows.setChecked(dialog.window, BookListLayoutId, true);
    windows.setDefaultButton(dialog.window, PrintNowButtonId, true);
}

void print(const PrintDialog& dialog) {
    const platform::Windows& windows = dialog.windows;
    PrintOptions options;
    options.allListed = windows.isChecked(dialog.window, AllListedId);
    options.normalFont = windows.isChecked(dialog.window, NormalFontId);
    options.bookData = windows.isChecked(dialog.window, BookDataLayoutId);
    printBooks(dialog.catalogue, options, dialog.printer, dialog.messages);
    rebuildView(dialog.catalogue);
    dialog.windows.endWindow(dialog.window);
}

void handle(const PrintDialog& dialog, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init: initialise(dialog); break;
        case MessageKind::Command:
            if (message.id == PrintNowButtonId) print(dialog);
            if (message.id == PrintCancelButtonId) dialog.windows.endWindow(dialog.window);
            break;
        case MessageKind::CloseRequest: dialog.windows.endWindow(dialog.window); break;
        default: break;
    }
}

}  // namespace

platform::WindowSpec printDialogBlueprint() {
    platform::WindowSpec blueprint = platform::dialogFrame("Print Book List", 170, 190);
    blueprint.controls = {
        {ControlKind::GroupBox, "What to print", -1, 5, 10, 150, 50},
        {ControlKind::RadioButton, "marked records only", MarkedOnlyId, 10, 25, 120, 10, style::GroupStart},
        {ControlKind::RadioButton, "All listed records", AllListedId, 10, 40, 120, 10},
        {ControlKind::GroupBox, "How to print", -1, 5, 75, 70, 50},
        {ControlKind::RadioButton, "Normal font", NormalFontId, 10, 90, 60, 10, style::GroupStart},
        {ControlKind::RadioButton, "Small font", SmallFontId, 10, 105, 60, 10},
        {ControlKind::GroupBox, "How much", -1, 85, 75, 70, 50},
        {ControlKind::RadioButton, "Book List", BookListLayoutId, 90, 90, 60, 10, style::GroupStart},
        {ControlKind::RadioButton, "Book Data", BookDataLayoutId, 90, 105, 60, 10},
        {ControlKind::PushButton, "&Print", PrintNowButtonId, 20, 135, 50, 25, style::DefaultButton | style::NoTabStop},
        {ControlKind::PushButton, "&Cancel", PrintCancelButtonId, 90, 135, 50, 25},
    };
    return blueprint;
}

void showPrintDialog(Catalogue& catalogue, platform::Windows& windows, platform::MessageBoxes& messages,
                     platform::PrintSurface* printer, WindowHandle owner) {
    PrintDialog dialog{catalogue, windows, messages, printer, {}};
    windows.runWindow(printDialogBlueprint(), owner, [&dialog](WindowHandle window, const platform::Message& message) {
        dialog.window = window;
        handle(dialog, message);
    });
}
