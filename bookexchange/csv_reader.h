#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading CSV and TSV files as their writers mean them. Comma- and
// semicolon-separated files quote as RFC 4180 writes it: fields quoted with
// '"' when they hold the delimiter, a quote (doubled inside) or a line break.
// Tab-separated files are never quoted: a quote is part of the text. Blanks
// around a field, quoted or not, are not part of it. Lines end in CR LF, LF
// or a lone CR; a UTF-8 byte order mark before the header is dropped. A
// header whose names stand in single quotes ('TITLE','AUTHOR (last, first)')
// is read with those quotes. Bytes are kept as they are: the delimiters,
// quotes and line ends are ASCII, which neither UTF-8 nor Windows-1252 uses
// inside a character.

// One record of the file and the line it starts on (the header is line 1).
struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
};

struct CsvTable {
    char delimiter = ',';
    std::vector<std::string> header;  // the first record
    std::vector<CsvRow> rows;         // the records after it; records whose every field is empty are skipped
};

struct CsvReadResult {
    bool ok = true;
    CsvTable table;  // when not ok, the delimiter and the records before the error
    int errorLine = 0;
    int errorColumn = 0;  // the character of errorLine where the problem lies, from 1
    std::string problem;  // what is wrong there, as a sentence fragment
};

// Reads a whole file. The delimiter is the one of comma, tab and semicolon
// that splits the header into the most fields (a comma on a tie, then a
// tab). A quoted field that is never closed, or text after a closing quote,
// makes the file unreadable.
CsvReadResult readCsv(std::string_view bytes);
