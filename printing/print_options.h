#pragma once

// The three answers of the print dialog, handed to printBooks.
struct PrintOptions {
    bool allListed = false;  // every record of the view; false: the marked records only
    bool normalFont = true;  // the normal print size; false: the small one
    bool bookData = false;   // Book Data, three lines a record; false: Book List, one line
};
