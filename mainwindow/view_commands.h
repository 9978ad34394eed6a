#pragma once

#include "core/catalogue.h"

struct MainWindow;

// The View menu's commands: which records the list shows, in which order and
// letter case. Each rebuilds the view when it changes it, and keeps the View
// menu's items and captions in step.

// List All Books: every record, deleted ones included, until the next save
// drops those.
void listAllBooks(MainWindow& main);

// Case: switches every author and title between capitals and proper case.
// Returns the book list's top row before the switch, for the refilled list to
// scroll back to (0: none).
int switchLetterCase(MainWindow& main);

// Sort: switches between author and date order. Does nothing in the Books
// Unread view (it has no dates) and then returns false.
bool switchSortOrder(MainWindow& main);

// Books Read and Books Unread: `mode` is ViewMode::Read or ViewMode::Unread.
void showReadOrUnreadBooks(MainWindow& main, ViewMode mode);
