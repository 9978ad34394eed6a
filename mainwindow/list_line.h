#pragma once

#include <string>

#include "core/catalogue.h"
#include "platform/text_measure.h"

// The line the book list shows for a record, and how its texts are cut. It
// does not decide which records the list shows or in which order: that is
// the catalogue's view.

// Widths, in units of the list's text measure, that the author and title of
// a line may take.
inline constexpr int AuthorListWidth = 200;
inline constexpr int TitleListWidth = 380;

// The list line of record `record`: its author cut to AuthorListWidth, a tab,
// its title cut to TitleListWidth and, when it has a read date, a tab and the
// date. Without a measure the texts are not cut. Lines are built when the
// list shows them, not with the view: at tens of thousands of records,
// measuring every line at each rebuild would cost far more than a frame.
std::string listTextOf(const BookTables& books, const platform::TextMeasure* measure, int record);
