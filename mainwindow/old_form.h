#pragma once

struct MainWindow;

// Saving into the old form of the catalogue file ("Quorvels 2.00"), whose
// texts are Windows-1252.

// Before Save As writes the old form: when texts the save writes hold letters
// Windows-1252 lacks, says how many and asks whether they may change. On Yes
// every text becomes its nearest in Windows-1252 in memory (a letter it lacks
// becomes the system transliterator's nearest, "?" where there is none) and
// the tables are put back in order, so that the save writes the old form.
// Returns false when the user said No: nothing has changed.
bool bringTextsIntoOldForm(MainWindow& main);
