#include "dialogs/record_dialog.h"

#include <array>

#include "core/read_date.h"
#include "core/vocabularies.h"
#include "dialogs/author_completion.h"
#include "dialogs/field_ids.h"
#include "dialogs/record_store.h"
#include "dialogs/vocabulary_list.h"
#include "platform/dialog_frame.h"

using platform::ControlKind;
using platform::MessageKind;
using platform::WindowHandle;
namespace style = platform::style;

namespace {

// The codes the lists offer; code 0 (none) is no entry.
constexpr VocabularyList Categories{1, 14};
constexpr VocabularyList Reviews{1, 10};

struct ModeTexts {
    const char* caption;
    const char* firstButton;
    const char* secondButton;
};

constexpr std::array<ModeTexts, 3> modeTexts = {{
    {"View Record Data", "&Prev", "&Next"},
    {"Add Record Data", "&Add", "C&lear"},
    {"Edit Record Data", "&Replace", "&Original"},
}};

const ModeTexts& textsOf(RecordDialogMode mode) { return modeTexts[static_cast<int>(mode)]; }

// The open dialog and what it keeps while it is open.
struct RecordDialog {
    const RecordDialogContext& context;
    RecordDialogMode mode;
    WindowHandle window;
    int completionStart = 1;  // where the next author completion starts searching `authors`
    RecordDialogOutcome outcome;
};

// The record in a row of the view; 0 (no record) for a row the view lacks.
int recordAtRow(const CatalogueView& view, int row) { return row >= 1 && row <= viewCount(view) ? view.order[row] : 0; }

void updateStepButtons(RecordDialog& dialog) {
    const CatalogueView& view = dialog.context.catalogue.view;
    dialog.context.windows.setEnabled(dialog.window, FirstButtonId, view.selectedRow > 1);
    dialog.context.windows.setEnabled(dialog.window, SecondButtonId, viewCount(view) > view.selectedRow);
}

// View mode: "&Prev" (-1) and "&Next" (+1) move along the view, never past its ends.
void step(RecordDialog& dialog, int by) {
    Catalogue& catalogue = dialog.context.catalogue;
    const int row = catalogue.view.selectedRow + by;
    if (row >= 1 && row <= viewCount(catalogue.view)) {
        catalogue.view.selectedRow = row;
        catalogue.view.currentRecord = recordAtRow(catalogue.view, row);
        fillRecordDialog(catalogue, dialog.context.windows, dialog.window, dialog.mode);
    }
    updateStepButtons(dialog);
    if (dialog.context.rowMoved) dialog.context.rowMoved();
}

RecordFields typedFields(const RecordDialog& dialog) {
    const platform::Windows& windows = dialog.context.windows;
    const WindowHandle window = dialog.window;
    return {windows.text(window, AuthorBoxId),
            windows.text(window, TitleBoxId),
            windows.text(window, DateReadBoxId),
            windows.text(window, DispositionBoxId),
            codeOfEntry(Categories, windows.selectedDropDownEntry(window, CategoryListId)),
            codeOfEntry(Reviews, windows.selectedDropDownEntry(window, ReviewListId))};
}

// Add and Edit: "&Add" or "&Replace" stores the record and closes the dialog;
// refused input keeps it open with the focus on the box at fault.
void store(RecordDialog& dialog) {
    const RecordDialogContext& context = dialog.context;
    dialog.outcome.refillList = true;
    const StoreResult result =
        storeRecord(context.catalogue, typedFields(dialog), context.clock.currentYear(), context.messages);
    if (result.stored)
        context.windows.endWindow(dialog.window);
    else
        context.windows.setFocus(dialog.window, result.focusBox);
}

// Add and Edit: "C&lear" or "&Original" puts back the record the dialog opened
// on (none in Add) and discards what was typed.
void refill(RecordDialog& dialog) {
    platform::Windows& windows = dialog.context.windows;
    windows.setDefaultButton(dialog.window, SecondButtonId, false);
    windows.setDefaultButton(dialog.window, FirstButtonId, true);
    windows.setFocus(dialog.window, AuthorBoxId);
    fillRecordDialog(dialog.context.catalogue, windows, dialog.window, dialog.mode);
}

// Cancel and the close box drop what was typed; the current record is again
// the one in the current row.
void closeDialog(RecordDialog& dialog) {
    CatalogueView& view = dialog.context.catalogue.view;
    view.currentRecord = recordAtRow(view, view.selectedRow);
    dialog.context.windows.endWindow(dialog.window);
}

void command(RecordDialog& dialog, int id) {
    const bool viewing = dialog.mode == RecordDialogMode::View;
    if (id == FirstButtonId && viewing) {
        step(dialog, -1);
    } else if (id == FirstButtonId) {
        store(dialog);
    } else if (id == SecondButtonId && viewing) {
        step(dialog, +1);
    } else if (id == SecondButtonId) {
        refill(dialog);
    } else if (id == CancelButtonId) {
        dialog.outcome.refillList = true;
        closeDialog(dialog);
    }
}

// The user changed the Author box: propose the next author that begins with
// the typed text, with the proposed rest selected so typing on replaces it.
void authorEdited(RecordDialog& dialog) {
    platform::Windows& windows = dialog.context.windows;
    const std::string typed = windows.text(dialog.window, AuthorBoxId);
    const auto proposal = completeAuthor(dialog.context.catalogue.books, typed, dialog.completionStart);
    if (!proposal) return;
    windows.setText(dialog.window, AuthorBoxId, proposal->text);
    windows.selectText(dialog.window, AuthorBoxId, static_cast<int>(proposal->selectFrom),
                       static_cast<int>(proposal->text.size()));
}

void initialise(RecordDialog& dialog) {
    Catalogue& catalogue = dialog.context.catalogue;
    platform::Windows& windows = dialog.context.windows;
    addVocabularyEntries(windows, dialog.window, CategoryListId, categoryNames, Categories);
    addVocabularyEntries(windows, dialog.window, ReviewListId, reviewNames, Reviews);
    catalogue.view.currentRecord =
        dialog.mode == RecordDialogMode::Add ? 0 : recordAtRow(catalogue.view, catalogue.view.selectedRow);
    fillRecordDialog(catalogue, windows, dialog.window, dialog.mode);
    if (dialog.mode == RecordDialogMode::View) {
        windows.setEnabled(dialog.window, CategoryListId, false);
        windows.setEnabled(dialog.window, ReviewListId, false);
        updateStepButtons(dialog);
    }
}

void handle(RecordDialog& dialog, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init: initialise(dialog); break;
        case MessageKind::Command: command(dialog, message.id); break;
        case MessageKind::TextEdited:
            if (message.id == AuthorBoxId && dialog.mode != RecordDialogMode::View) authorEdited(dialog);
            break;
        case MessageKind::CloseRequest: closeDialog(dialog); break;
        default: break;
    }
}

}  // namespace

platform::WindowSpec recordDialogBlueprint(RecordDialogMode mode) {
    const bool viewing = mode == RecordDialogMode::View;
    const unsigned box = style::NoHorizontalScroll | (viewing ? style::ReadOnly : style::None);
    const unsigned firstButton = viewing ? style::None : style::DefaultButton | style::NoTabStop;
    constexpr unsigned label = style::AlignRight;
    constexpr unsigned nameBox = style::ReadOnly | style::Borderless;

    platform::WindowSpec blueprint = platform::dialogFrame(textsOf(mode).caption, 280, 250);
    blueprint.controls = {
        {ControlKind::Label, "Author:", -1, 5, 20, 40, 10, label},
        {ControlKind::Label, "Title:", -1, 5, 40, 40, 10, label},
        {ControlKind::Label, "Date read:", -1, 5, 60, 40, 10, label},
        {ControlKind::TextBox, "", AuthorBoxId, 50, 20, 140, 12, box, MaxTextCharacters},
        {ControlKind::TextBox, "", TitleBoxId, 50, 40, 200, 12, box, MaxTextCharacters},
        {ControlKind::TextBox, "", DateReadBoxId, 50, 60, 50, 12, box, MaxTextCharacters},
        {ControlKind::GroupBox, "Information", -1, 5, 5, 260, 80},
        {ControlKind::Label, "Category", -1, 5, 115, 40, 10, label},
        {ControlKind::Label, "Review", -1, 5, 135, 40, 10, label},
        {ControlKind::Label, "Disposition", -1, 5, 155, 40, 10, label},
        {ControlKind::DropDownList, "", CategoryListId, 50, 115, 100, 80},
        {ControlKind::DropDownList, "", ReviewListId, 50, 135, 100, 80},
        {ControlKind::TextBox, "", DispositionBoxId, 50, 155, 150, 12, box, MaxTextCharacters},
    };
    if (viewing) {
        blueprint.controls.push_back({ControlKind::TextBox, "", CategoryNameBoxId, 51, 116, 89, 9, nameBox});
        blueprint.controls.push_back({ControlKind::TextBox, "", ReviewNameBoxId, 51, 136, 89, 9, nameBox});
    }
    blueprint.controls.insert(
        blueprint.controls.end(),
        {
            {ControlKind::GroupBox, "Attributes", -1, 5, 100, 220, 80},
            {ControlKind::PushButton, textsOf(mode).firstButton, FirstButtonId, 20, 190, 70, 30, firstButton},
            {ControlKind::PushButton, textsOf(mode).secondButton, SecondButtonId, 100, 190, 70, 30},
            {ControlKind::PushButton, "&Cancel", CancelButtonId, 180, 190, 70, 30},
        });
    return blueprint;
}

void fillRecordDialog(const Catalogue& catalogue, platform::Windows& windows, WindowHandle dialog,
                      RecordDialogMode mode) {
    const int current = catalogue.view.currentRecord;
    const BookRecord& record = catalogue.books.records[current];
    windows.setText(dialog, AuthorBoxId, authorOf(catalogue.books, current));
    windows.setText(dialog, TitleBoxId, record.title);
    windows.setText(dialog, DateReadBoxId,
                    shownReadDate(readDateOf(catalogue.books, current), isRead(catalogue.books, current)));
    windows.setText(dialog, DispositionBoxId, record.disposition);
    if (mode == RecordDialogMode::View) {
        windows.setText(dialog, CategoryNameBoxId, categoryName(record.category));
        windows.setText(dialog, ReviewNameBoxId, reviewName(record.review));
    } else {
        windows.selectDropDownEntry(dialog, CategoryListId, entryOfCode(Categories, record.category));
        windows.selectDropDownEntry(dialog, ReviewListId, entryOfCode(Reviews, record.review));
    }
}

RecordDialogOutcome showRecordDialog(const RecordDialogContext& context, RecordDialogMode mode) {
    RecordDialog dialog{context, mode, {}, 1, {}};
    context.windows.runWindow(recordDialogBlueprint(mode), context.owner,
                              [&dialog](WindowHandle window, const platform::Message& message) {
                                  dialog.window = window;
                                  handle(dialog, message);
                              });
    return dialog.outcome;
}
