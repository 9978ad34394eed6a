#pragma once

#include <vector>

#include "mainwindow/main_window.h"
#include "platform/window_spec.h"

// The commands the menu items send.
inline constexpr int OpenCommand = 101;
inline constexpr int SaveCommand = 102;
inline constexpr int SaveAsCommand = 103;
inline constexpr int PrintCommand = 104;
inline constexpr int ExitCommand = 105;
inline constexpr int ImportBooksCommand = 106;
inline constexpr int ExportBooksCommand = 107;
inline constexpr int MarkSelectedCommand = 201;
inline constexpr int UnmarkAllShownCommand = 202;
inline constexpr int MarkAllShownCommand = 203;
inline constexpr int AddBookCommand = 204;
inline constexpr int EditBookCommand = 205;
inline constexpr int DeleteBooksCommand = 206;
inline constexpr int UndeleteCommand = 207;
inline constexpr int ListAllBooksCommand = 301;
inline constexpr int CaseCommand = 302;
inline constexpr int SortCommand = 303;
inline constexpr int RecordDataCommand = 304;
inline constexpr int BooksReadCommand = 305;
inline constexpr int BooksUnreadCommand = 306;
inline constexpr int ReadingStatisticsCommand = 307;
inline constexpr int FindBooksCommand = 401;
inline constexpr int HelpCommand = 501;
inline constexpr int AboutCommand = 502;

// The main window's menu bar as it is built: File, Edit, View and Help, with
// their items' captions, commands, separators and start-up states.
std::vector<platform::MenuSpec> mainMenuBar();

// Brings the Edit menu up to date after a command, a toolbar button or a
// book-list notification: Unmark All Shown is enabled while records are
// marked, Undelete while deleted records can be brought back.
void updateMenuStates(MainWindow& main);

// The views the View menu's items depend on: all books (at start-up and after
// List All Books), the books read and the books unread.
enum class ViewMenuState { AllBooks, BooksRead, BooksUnread };

// Enables and greys Sort, Books Read, Books Unread and List All Books for the
// view just chosen: the item of the current view is greyed, Sort is greyed
// among the unread books (they have no dates), List All Books in the full view.
void applyViewMenuState(MainWindow& main, ViewMenuState view);

// After Find Books shows fewer books than there are: List All Books is
// enabled; the other items keep their state.
void offerListAllBooks(MainWindow& main);

// The Case item names the conversion choosing it will do next, read from the
// catalogue's current letter case: "Lower" while authors and titles are in
// capitals, else "Upper". It has no mnemonic at start-up and after Open, and
// has one ("&Case") after each Case command (set once the conversion is done).
enum class CaseCaptionForm { Plain, WithMnemonic };
void setCaseCaption(MainWindow& main, CaseCaptionForm form);

// The Sort item names the order choosing it will select next, read from the
// catalogue's current order; set after each Sort command that changes it.
void setSortCaption(MainWindow& main);
