#include "dialogs/find_dialog.h"

#include "core/ordering.h"
#include "core/vocabularies.h"
#include "dialogs/field_ids.h"
#include "dialogs/find_search.h"
#include "dialogs/vocabulary_list.h"
#include "platform/dialog_frame.h"

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

// The open dialog and what it works on.
struct FindDialog {
    Catalogue& catalogue;
    platform::Windows& windows;
    platform::MessageBoxes& messages;
    WindowHandle window;
    FindDialogOutcome outcome;
};

// "&Find": search all records; show the books found, or say that there are none.
void search(FindDialog& dialog) {
    Catalogue& catalogue = dialog.catalogue;
    const FindCriteria criteria = typedCriteria(dialog.windows, dialog.window);
    catalogue.view.mode = ViewMode::Found;
    if (hasNoCondition(criteria)) return;
    if (!runFind(catalogue.books, criteria)) {
        dialog.messages.messageBox("No matches found", "None Found", platform::Buttons::Ok,
                                   platform::Icon::Information);
        return;
    }
    rebuildView(catalogue);
    // The first row found is the current row, and commands on the current
    // record act on it.
    catalogue.view.selectedRow = 1;
    catalogue.view.currentRecord = catalogue.view.order[1];
    dialog.outcome.narrowed = viewCount(catalogue.view) < recordCount(catalogue.books);
    dialog.windows.endWindow(dialog.window);
}

void handle(FindDialog& dialog, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init:
            addVocabularyEntries(dialog.windows, dialog.window, CategoryListId, categoryNames, Categories);
            break;
        case MessageKind::Command:
            if (message.id == SearchButtonId) search(dialog);
            if (message.id == CancelButtonId) dialog.windows.endWindow(dialog.window);
            break;
        case MessageKind::CloseRequest: dialog.windows.endWindow(dialog.window); break;
        default: break;
    }
}

}  // namespace

platform::WindowSpec findDialogBlueprint() {
    constexpr unsigned label = style::AlignRight;
    platform::WindowSpec blueprint = platform::dialogFrame("Find Books", 280, 200);
    // The boxes scroll, so texts longer than they are can be typed; none
    // longer than a catalogue text could be found.
    blueprint.controls = {
        {ControlKind::Label, "Author:", -1, 5, 20, 40, 10, label},
        {ControlKind::Label, "Title:", -1, 5, 40, 40, 10, label},
        {ControlKind::TextBox, "", AuthorBoxId, 50, 20, 140, 12, style::None, MaxTextCharacters},
        {ControlKind::TextBox, "", TitleBoxId, 50, 40, 200, 12, style::None, MaxTextCharacters},
        {ControlKind::Label, "Category", -1, 5, 75, 40, 10, label},
        {ControlKind::Label, "Disposition", -1, 5, 95, 40, 10, label},
        {ControlKind::DropDownList, "", CategoryListId, 50, 75, 100, 80},
        {ControlKind::TextBox, "", DispositionBoxId, 50, 95, 150, 12, style::None, MaxTextCharacters},
        {ControlKind::PushButton, "&Find", SearchButtonId, 50, 140, 50, 30, style::DefaultButton},
        {ControlKind::PushButton, "&Cancel", CancelButtonId, 120, 140, 50, 30},
    };
    return blueprint;
}

FindDialogOutcome showFindDialog(Catalogue& catalogue, platform::Windows& windows, platform::MessageBoxes& messages,
                                 WindowHandle owner) {
    FindDialog dialog{catalogue, windows, messages, {}, {}};
    windows.runWindow(findDialogBlueprint(), owner, [&dialog](WindowHandle window, const platform::Message& message) {
        dialog.window = window;
        handle(dialog, message);
    });
    return dialog.outcome;
}
