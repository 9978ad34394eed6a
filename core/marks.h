#pragma once

#include "core/catalogue.h"

// The user's marks on records. Marks change only through these, so that
// markedCount always equals the number of marked records, deleted ones
// included.

inline bool isMarked(const Catalogue& c, int i) { return testFlag(c.records[i].flags, marked) != 0; }

void setMarked(Catalogue& catalogue, int record, bool mark);
void toggleMarked(Catalogue& catalogue, int record);

// Counts the marks anew, for when the record table was replaced whole.
void recountMarks(Catalogue& catalogue);
