#pragma once

#include "mainwindow/list_line.h"
#include "platform/window_spec.h"

// Identifiers of the main window's controls and the commands they send.
inline constexpr int ToolbarPanelId = 600;
inline constexpr int MarkButtonId = 601;
inline constexpr int CaseButtonId = 602;
inline constexpr int SortButtonId = 603;
inline constexpr int PrintButtonId = 604;
inline constexpr int DataButtonId = 605;
inline constexpr int AddButtonId = 606;
inline constexpr int EditButtonId = 607;
inline constexpr int FindButtonId = 608;
inline constexpr int ListButtonId = 609;
inline constexpr int QuitButtonId = 610;
inline constexpr int StatusPanelId = 700;  // all four frames; nothing addresses them
inline constexpr int BookListId = 800;

// The four fields of the status line, left to right: the file (or what is
// being done), the view's caption, the marked count and the position.
enum class StatusField { File = 1, View = 2, Marks = 3, Position = 4 };

// Each field is the label with identifier StatusPanelId + its number.
constexpr int statusLabelId(StatusField field) { return StatusPanelId + static_cast<int>(field); }

// The book list's tab stops, in dialog units from its left edge: the author,
// title and date columns.
inline constexpr int AuthorTabStop = 10;
inline constexpr int TitleTabStop = 120;
inline constexpr int DateTabStop = 320;

// Authors and titles are cut to AuthorListWidth and TitleListWidth units of
// the list's font. One unit is this many horizontal dialog units, so that a
// cut title ends ColumnGap dialog units before the date column and a cut
// author (about 104 units) before the title column, whatever the font's
// size or the screen's scale.
inline constexpr int ColumnGap = 3;
inline constexpr double ListTextUnit = double(DateTabStop - TitleTabStop - ColumnGap) / TitleListWidth;
static_assert(AuthorListWidth * ListTextUnit <= TitleTabStop - AuthorTabStop - ColumnGap);

// The main window as it is built: caption, frame, colours, icon, menu bar and controls.
platform::WindowSpec mainWindowSpec();
