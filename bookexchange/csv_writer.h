#pragma once

#include <string>
#include <string_view>
#include <vector>

// Writing CSV as RFC 4180 has it, the form readCsv reads.

// A field as it stands in the file: in quotes, with its quotes doubled, when
// it holds a comma or a tab (either may be the delimiter, which the header
// line decides), a quote or a line break, or starts or ends with a blank
// (which spreadsheet programs would otherwise drop); else as it is.
std::string csvField(std::string_view text);

// Appends the fields as one record ended by CR LF.
void appendCsvRecord(std::string& out, const std::vector<std::string>& fields, char delimiter = ',');
