#include "core/marks.h"

void setMarked(BookTables& books, int record, bool mark) {
    if (isMarked(books, record) == mark) return;
    setFlag(books.records[record].flags, MarkedFlag, mark);
    books.markedCount += mark ? 1 : -1;
}

void toggleMarked(BookTables& books, int record) { setMarked(books, record, !isMarked(books, record)); }

void recountMarks(BookTables& books) {
    books.markedCount = 0;
    for (int record = 1; record <= recordCount(books); ++record) books.markedCount += isMarked(books, record);
}
