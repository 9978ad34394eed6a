#pragma once

#include <string>

#include "core/catalogue.h"
#include "tests/support/realistic_catalogue.h"

// What the benchmarks do to their catalogues, without the benchmark library,
// so that the Windows build's measuring programs share it.

// The catalogue file loaded as the program loads it. Throws when it is
// missing or cannot be loaded.
Catalogue loadCatalogueFile(const std::string& file);

// The record deleted and purged, as a save drops it.
void dropBook(Catalogue& catalogue, int record);

// A full catalogue takes no more books: its first book is dropped, so that
// one can be added. Smaller ones stay as they are.
void makeRoomForOneBook(Catalogue& catalogue);

// Part of some authors' names in books of `scripts`, as a user would type it
// into the find dialog (letters beyond a to z are matched as typed).
const char* authorToFind(BookScripts scripts);
