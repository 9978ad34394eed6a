#pragma once

#include "core/catalogue.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "platform/window_spec.h"

// What a search changed beyond the view it left in the catalogue.
struct FindDialogOutcome {
    bool narrowed = false;  // the view shows the books found, and there are fewer of them than books
};

// The find dialog as it is built: author, title and disposition boxes, the
// category list, "&Find" and "&Cancel".
platform::WindowSpec findDialogBlueprint();

// Shows the find dialog modally over `owner` and returns when it has closed.
// A search that finds books switches the view to them with the first row
// current; one that finds none says so, hides every book without rebuilding
// the view and leaves the dialog open for other criteria.
FindDialogOutcome showFindDialog(Catalogue& catalogue, platform::Windows& windows, platform::MessageBoxes& messages,
                                 platform::WindowHandle owner);
