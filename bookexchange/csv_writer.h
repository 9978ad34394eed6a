#pragma once

#include <string>
#include <string_view>
#include <vector>

// Writing CSV as RFC 4180 has it, the form readCsv reads.

// A field as it stands in the file: in quotes, with its quotes doubled, when
// it holds a comma, a semicolon or a tab (any may be the delimiter, which the
// header line decides), a quote or a line break, or starts or ends with a
// blank (which readers drop), or starts with a single quote (which would
// make a header's names single-quoted); else as it is.
std::string csvField(std::string_view text);

// Appends the fields as one record ended by CR LF. Tab-separated files have
// no quoting: with a tab as delimiter the fields are written as they are,
// and must hold no tab, no line break and no blank at either end.
void appendCsvRecord(std::string& out, const std::vector<std::string>& fields, char delimiter = ',');
