#include "bookexchange/csv_writer.h"

std::string csvField(std::string_view text) {
    const bool quote = text.find_first_of("\",;\t\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.front() == '\'' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string field = "\"";
    for (const char ch : text) {
        if (ch == '"') field += '"';
        field += ch;
    }
    return field + '"';
}

void appendCsvRecord(std::string& out, const std::vector<std::string>& fields, char delimiter) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += delimiter;
        out += delimiter == '\t' ? fields[i] : csvField(fields[i]);
    }
    out += "\r\n";
}
