#pragma once

#include "mainwindow/main_window.h"
#include "platform/window_spec.h"

// The find dialog as it is built: author, title and disposition boxes, the
// category list, "&Find" and "&Cancel".
platform::WindowSpec findDialogBlueprint();

// Shows the find dialog modally over the main window and returns when it has
// closed. A search that finds books switches the view to them with the first
// row current; one that finds none says so, hides every book and leaves the
// dialog open for other criteria.
void showFindDialog(MainWindow& main);
