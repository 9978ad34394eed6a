#include "bookexchange/csv_reader.h"

#include <algorithm>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

struct Parser {
    std::string_view bytes;
    char delimiter;
    std::size_t pos = 0;
    int line = 1;

    bool atEnd() const { return pos >= bytes.size(); }
    bool atFieldEnd() const { return atEnd() || bytes[pos] == delimiter || bytes[pos] == '\r' || bytes[pos] == '\n'; }

    // Moves past a line end (CR LF, LF or a lone CR) at pos, if any.
    bool skipLineEnd() {
        if (atEnd() || (bytes[pos] != '\r' && bytes[pos] != '\n')) return false;
        if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ++pos;
        ++pos;
        ++line;
        return true;
    }

    // A quoted field from its opening quote on; false when it is never closed.
    bool quotedField(std::string& field) {
        ++pos;
        for (;;) {
            if (atEnd()) return false;
            const std::size_t stop = bytes.find_first_of("\"\r\n", pos);
            const std::size_t end = stop == std::string_view::npos ? bytes.size() : stop;
            field.append(bytes.substr(pos, end - pos));
            pos = end;
            if (atEnd()) return false;
            if (bytes[pos] == '"') {
                ++pos;
                if (atEnd() || bytes[pos] != '"') return true;
                field += '"';
                ++pos;
            } else {
                const std::size_t lineStart = pos;
                skipLineEnd();
                field.append(bytes.substr(lineStart, pos - lineStart));
            }
        }
    }

    void plainField(std::string& field) {
        const std::size_t start = pos;
        while (!atFieldEnd()) ++pos;
        field.assign(bytes.substr(start, pos - start));
    }
};

// How many fields the first record has when `delimiter` separates them, read
// as the records are read (a quote opens a quoted field only at its start).
std::size_t headerFields(std::string_view bytes, char delimiter) {
    Parser parser{bytes, delimiter};
    while (parser.skipLineEnd()) {}
    std::size_t fields = 0;
    for (std::string field;; field.clear()) {
        ++fields;
        if (parser.atEnd() || bytes[parser.pos] != '"')
            parser.plainField(field);
        else if (!parser.quotedField(field) || !parser.atFieldEnd())
            return fields;
        if (parser.atEnd() || bytes[parser.pos] != delimiter) return fields;
        ++parser.pos;
    }
}

// A tab when the header has more fields between tabs than between commas.
char delimiterOf(std::string_view bytes) { return headerFields(bytes, '\t') > headerFields(bytes, ',') ? '\t' : ','; }

}  // namespace

CsvReadResult readCsv(std::string_view bytes) {
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) bytes.remove_prefix(ByteOrderMark.size());
    CsvReadResult result;
    Parser parser{bytes, delimiterOf(bytes)};
    result.table.delimiter = parser.delimiter;
    const auto failure = [&result](int line, std::string problem) {
        result.ok = false;
        result.errorLine = line;
        result.problem = std::move(problem);
        return result;
    };
    bool headerRead = false;
    while (!parser.atEnd()) {
        CsvRow row{parser.line, {}};
        for (;;) {
            std::string& field = row.fields.emplace_back();
            if (!parser.atEnd() && bytes[parser.pos] == '"') {
                const int opened = parser.line;
                if (!parser.quotedField(field))
                    return failure(opened, "field " + std::to_string(row.fields.size()) +
                                               " opens a quote here that is never closed");
                if (!parser.atFieldEnd())
                    return failure(parser.line, "field " + std::to_string(row.fields.size()) +
                                                    " has text after its closing quote (a quote inside a quoted field "
                                                    "must be doubled)");
            } else {
                parser.plainField(field);
            }
            if (parser.atEnd() || bytes[parser.pos] != parser.delimiter) break;
            ++parser.pos;
        }
        parser.skipLineEnd();
        const bool empty =
            std::all_of(row.fields.begin(), row.fields.end(), [](const std::string& f) { return f.empty(); });
        if (empty) continue;
        if (!headerRead) {
            result.table.header = std::move(row.fields);
            headerRead = true;
        } else {
            result.table.rows.push_back(std::move(row));
        }
    }
    return result;
}
