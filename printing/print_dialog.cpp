#include "printing/print_dialog.h"

#include "core/ordering.h"
#include "mainwindow/book_list.h"
#include "mainwindow/dialog_frame.h"
#include "printing/print_books.h"

using platform::ControlKind;
using platform::MessageKind;
using platform::WindowHandle;
namespace style = platform::style;

namespace {

// Before the dialog shows: a multiple selection becomes marks, and the
// choices start from what is marked.
void initialise(MainWindow& main, WindowHandle dialog) {
    markSelectedRows(main, 2);
    main.windows.setChecked(dialog, main.catalogue.markedCount != 0 ? MarkedOnlyId : AllListedId, true);
    main.windows.setChecked(dialog, NormalFontId, true);
    main.windows.setChecked(dialog, BookListLayoutId, true);
    main.windows.setDefaultButton(dialog, PrintNowButtonId, true);
}

void print(MainWindow& main, WindowHandle dialog) {
    PrintOptions options;
    options.allListed = main.windows.isChecked(dialog, AllListedId);
    options.normalFont = main.windows.isChecked(dialog, NormalFontId);
    options.bookData = main.windows.isChecked(dialog, BookDataLayoutId);
    printBooks(main.catalogue, options, main.state.printer.get(), main.messages);
    rebuildView(main.catalogue);
    main.windows.endWindow(dialog);
}

void handle(MainWindow& main, WindowHandle dialog, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init: initialise(main, dialog); break;
        case MessageKind::Command:
            if (message.id == PrintNowButtonId) print(main, dialog);
            if (message.id == PrintCancelButtonId) main.windows.endWindow(dialog);
            break;
        case MessageKind::CloseRequest: main.windows.endWindow(dialog); break;
        default: break;
    }
}

}  // namespace

platform::WindowSpec printDialogBlueprint() {
    platform::WindowSpec blueprint = dialogFrame("Print Book List", 170, 190);
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

void showPrintDialog(MainWindow& main) {
    main.windows.runWindow(printDialogBlueprint(), main.state.window,
                           [&main](WindowHandle dialog, const platform::Message& message) { handle(main, dialog, message); });
}
