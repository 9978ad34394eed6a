#pragma once

#include "platform/system_path.h"

struct MainWindow;

// The File menu's commands and the end of the program.

// Open: asks for a file (a new name creates an empty catalogue file), offers
// to save unsaved changes first, and loads the file. The settings file
// remembers it only once it has loaded; a refused file leaves the previous
// catalogue open and named.
void openCatalogueFile(MainWindow& main);

// Save: asks "Save file now?" and writes the catalogue to its file, or goes
// to Save As when it has none.
void saveCatalogueFile(MainWindow& main);

// Save As: asks for a name and a file type (and whether to replace an
// existing file) and writes the catalogue there. The type "Quorvels 2.00
// catalogue" writes the old form, its texts first brought into it when the
// user agrees (see bringTextsIntoOldForm); they stay so when the save then
// fails. Only a save that succeeded renames the catalogue and is remembered
// in the settings file.
void saveCatalogueFileAs(MainWindow& main);

// Before a file is written under a name the user chose: true when the name
// is free, or when it is taken and the user agrees to replace what has it.
bool userAllowsWritingTo(MainWindow& main, const platform::SystemPath& path);

// Exit, Quit and the close box: offers to save unsaved changes, then ends the
// main window. Returns false, with the window kept open, when the user
// cancelled or the changes could not be saved.
bool closeMainWindow(MainWindow& main);
