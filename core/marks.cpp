#include "core/marks.h"

void setMarked(Catalogue& catalogue, int record, bool mark) {
    if (isMarked(catalogue, record) == mark) return;
    setFlag(catalogue.records[record].flags, marked, mark);
    catalogue.markedCount += mark ? 1 : -1;
}

void toggleMarked(Catalogue& catalogue, int record) { setMarked(catalogue, record, !isMarked(catalogue, record)); }

void recountMarks(Catalogue& catalogue) {
    catalogue.markedCount = 0;
    for (int record = 1; record <= recordCount(catalogue); ++record) catalogue.markedCount += isMarked(catalogue, record);
}
