#include "dialogs/find_dialog.h"

#include "core/ordering.h"
#include "core/vocabularies.h"
#include "mainwindow/dialog_frame.h"
#include "dialogs/field_ids.h"
#include "dialogs/find_search.h"
#include "dialogs/vocabulary_list.h"
#include "mainwindow/menus.h"

using platform::ControlKind;
using platform::MessageKind;
using platform::WindowHandle;
namespace style = platform::style;

namespace {

// Every category, the blank one of code 0 (any category) first.
constexpr VocabularyList Categories{0, static_cast<int>(categoryNames.size()) - 1};

FindCriteria typedCriteria(const platform::Windows& windows, WindowHandle dialog) {
    return makeFindCriteria(windows.text(dialog, AuthorBoxId), windows.text(dialog, TitleBoxId),
                            windows.text(dialog, DispositionBoxId),
                            codeOfEntry(Categories, windows.selectedDropDownEntry(dialog, CategoryListId)));
}

// "&Find": search all records; show the books found, or say that there are none.
void search(MainWindow& main, WindowHandle dialog) {
    Catalogue& catalogue = main.catalogue;
    const FindCriteria criteria = typedCriteria(main.windows, dialog);
    catalogue.viewMode = BooksFound;
    if (hasNoCondition(criteria)) return;
    if (!runFind(catalogue, criteria)) {
        main.messages.messageBox("No matches found", "None Found", platform::Buttons::Ok, platform::Icon::Information);
        return;
    }
    rebuildView(catalogue);
    // The first row found is the current row, and commands on the current
    // record act on it.
    catalogue.selectedRow = 1;
    catalogue.currentRecord = catalogue.viewOrder[1];
    if (viewCount(catalogue) < recordCount(catalogue)) offerListAllBooks(main);
    main.windows.endWindow(dialog);
}

void handle(MainWindow& main, WindowHandle dialog, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init:
            addVocabularyEntries(main.windows, dialog, CategoryListId, categoryNames, Categories);
            break;
        case MessageKind::Command:
            if (message.id == SearchButtonId) search(main, dialog);
            if (message.id == CancelButtonId) main.windows.endWindow(dialog);
            break;
        case MessageKind::CloseRequest: main.windows.endWindow(dialog); break;
        default: break;
    }
}

}  // namespace

platform::WindowSpec findDialogBlueprint() {
    constexpr unsigned label = style::AlignRight;
    platform::WindowSpec blueprint = dialogFrame("Find Books", 280, 200);
    // The boxes scroll, so texts longer than they are can be typed; none
    // longer than a catalogue text could be found.
    blueprint.controls = {
        {ControlKind::Label, "Author:", -1, 5, 20, 40, 10, label},
        {ControlKind::Label, "Title:", -1, 5, 40, 40, 10, label},
        {ControlKind::TextBox, "", AuthorBoxId, 50, 20, 140, 12, style::None, MaxTextBytes},
        {ControlKind::TextBox, "", TitleBoxId, 50, 40, 200, 12, style::None, MaxTextBytes},
        {ControlKind::Label, "Category", -1, 5, 75, 40, 10, label},
        {ControlKind::Label, "Disposition", -1, 5, 95, 40, 10, label},
        {ControlKind::DropDownList, "", CategoryListId, 50, 75, 100, 80},
        {ControlKind::TextBox, "", DispositionBoxId, 50, 95, 150, 12, style::None, MaxTextBytes},
        {ControlKind::PushButton, "&Find", SearchButtonId, 50, 140, 50, 30, style::DefaultButton},
        {ControlKind::PushButton, "&Cancel", CancelButtonId, 120, 140, 50, 30},
    };
    return blueprint;
}

void showFindDialog(MainWindow& main) {
    main.windows.runWindow(findDialogBlueprint(), main.state.window,
                           [&main](WindowHandle dialog, const platform::Message& message) { handle(main, dialog, message); });
}
