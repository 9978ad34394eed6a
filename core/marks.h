#pragma once

#include "core/catalogue.h"

// The user's marks on records. Marks change only through these, so that
// markedCount always equals the number of marked records, deleted ones
// included.

inline bool isMarked(const BookTables& books, int i) { return testFlag(books.records[i].flags, MarkedFlag) != 0; }

void setMarked(BookTables& books, int record, bool mark);
void toggleMarked(BookTables& books, int record);

// Counts the marks anew, for when the record table was replaced whole.
void recountMarks(BookTables& books);
