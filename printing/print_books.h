#pragma once

#include "printing/print_options.h"

struct Catalogue;

namespace platform {
struct MessageBoxes;
struct PrintSurface;
}  // namespace platform

// The document name of every print job.
inline constexpr const char* PrintDocName = "Quorvel";

// Page positions in printer device units from the top-left corner of the
// printable area. Lines sit in slots one line height apart, slot 0 at the top
// margin; the heading takes slots 0 to 2 (Book Data draws a rule in slot 2).
inline constexpr int TopMargin = 20;
inline constexpr int ColumnA = 100;   // heading title, author, category and review, rules
inline constexpr int ColumnB = 900;   // title, disposition
inline constexpr int ColumnC = 2000;  // page number, date read
inline constexpr int HeadingLines = 3;

// Why a print run printed nothing, or stopped; reported as "Printing Error <code>".
enum PrintError : int {
    NoPrinter = 1,            // no printer was opened at start-up
    JobNotStarted = 2,        // the print job could not be started
    FirstPageNotStarted = 3,  // the first page could not be begun; the job is ended
    LaterPageNotStarted = 4,  // a later page could not be begun; the job is ended after the pages before it
};

// Prints the records of the current view, in view order, on `printer` (none:
// error 1): all of them when options.allListed, else only the marked ones,
// whose marks it clears (lowering markedCount). "All listed records" leaves
// marks as they are. Every page has a heading and its number. Errors are
// reported through `boxes`; errors 1 to 3 leave the catalogue unchanged, and
// error 4 leaves the marks of the records it did not print.
void printBooks(Catalogue& catalogue, const PrintOptions& options, platform::PrintSurface* printer,
                platform::MessageBoxes& boxes);
