#pragma once

struct MainWindow;

// The File menu's Import Books and Export Books.

// Import Books: asks for a CSV or TSV file, shows what it holds and what
// would be added, and on Yes adds those books in one step and lists all
// books. A file that cannot be read or understood is told and changes nothing.
void importBooksFromFile(MainWindow& main);

// Export Books: asks for a file name and its form (our own CSV or Goodreads')
// and writes the marked books when any are marked, else the books of the
// view; then says how many it wrote, and which.
void exportBooksToFile(MainWindow& main);
