#pragma once

#include <functional>

#include "core/catalogue.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "platform/window_spec.h"

// The modes the record dialog opens in.
enum class RecordDialogMode { View = 0, Add = 1, Edit = 2 };

// What the record dialog works on while it is open.
struct RecordDialogContext {
    Catalogue& catalogue;
    platform::Windows& windows;
    platform::MessageBoxes& messages;  // refused input is reported here
    const platform::Clock& clock;      // the year read dates are checked against
    platform::WindowHandle owner;
    std::function<void()> rowMoved;  // View's Prev or Next made another row current; may be empty
};

// What the dialog changed beyond the catalogue's current row and record.
struct RecordDialogOutcome {
    bool refillList = false;  // the book list must be refilled though the view may be the same
};

// The record dialog as it is built in a mode: its caption and the captions of
// its first two buttons follow the mode; in view mode the boxes are read-only
// and two borderless boxes show the category and review names over their lists.
platform::WindowSpec recordDialogBlueprint(RecordDialogMode mode);

// Shows the record dialog modally over its owner and returns when it has
// closed. View steps through the view; Add and Edit store what was typed as a
// new record (Edit keeps the old version as a deleted record). What it did is
// left in the catalogue (the records, selectedRow, currentRecord); "&Add",
// "&Replace" and "&Cancel" ask for the list to be refilled.
RecordDialogOutcome showRecordDialog(const RecordDialogContext& context, RecordDialogMode mode);

// Puts the view's current record into the open dialog; record 0 empties it.
// In view mode the category and review show as names, else as the selected
// list entries.
void fillRecordDialog(const Catalogue& catalogue, platform::Windows& windows, platform::WindowHandle dialog,
                      RecordDialogMode mode);
