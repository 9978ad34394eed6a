#pragma once

#include <vector>

#include "core/catalogue.h"

// Tables read from a file are put in the order of compareFolded: a file
// written when only a-z were folded may hold its authors and records in
// another order (an "é" once ranked by its own byte now ranks as its
// capital "É" does, "µ" as its capital "Μ"). The sort is stable and
// changes nothing else: every text stays as the file spells it, and authors
// the folding takes for one ("Émile" and "émile") stay separate entries, side
// by side; a new book by that author joins the first of them. So loading
// loses and merges nothing, and the catalogue is not changed by it.
//
// Returns the new number of each record (entry 0 stays 0), for whatever
// holds record numbers; in order already, as most files are, nothing moves.
std::vector<int> putInFoldedOrder(BookTables& books);
