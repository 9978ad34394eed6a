#pragma once

struct Catalogue;
struct MainWindow;

// The Edit menu's marking, deleting and undeleting.

// Mark All Shown (true) and Unmark All Shown (false): every record of the
// view gets or loses its mark; the list is to be refilled.
void setMarkOfShownRecords(MainWindow& main, bool mark);

// Delete Books: with two or more rows selected, first toggles their marks.
// Then, after asking, deletes the marked records of the view, or the record
// of the current row when the view holds no marked record; marked records
// outside the view keep their mark. The row above the top-most deleted one
// becomes current. With an empty view, or no marked record and no current
// row selected, nothing is asked or deleted. Returns false when the list
// stays as it is (the user said No, or nothing was asked).
bool deleteBooks(MainWindow& main);

// Undelete: after asking, brings back every deleted record, whatever the
// view; the last one becomes current. Returns false when the user said No.
bool undeleteBooks(MainWindow& main);
