#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading CSV and TSV files as RFC 4180 writes them: fields quoted with '"'
// when they hold the delimiter, a quote (doubled inside) or a line break;
// lines ended by CR LF or LF; a UTF-8 byte order mark before the header is
// dropped. Bytes are kept as they are: the delimiter, quotes and line ends
// are ASCII, which neither UTF-8 nor Windows-1252 uses inside a character.

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
    std::string problem;  // what is wrong on errorLine, as a sentence fragment
};

// Reads a whole file. The delimiter is a tab when the header splits into
// more fields at tabs than at commas (outside quoted fields), else a comma. A quoted field that is
// never closed, or text after a closing quote, makes the file unreadable.
CsvReadResult readCsv(std::string_view bytes);
