#include "bookexchange/csv_reader.h"

#include <algorithm>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr char NoQuote = '\0';

struct Parser {
    std::string_view bytes;
    char delimiter;
    char quote = '"';  // NoQuote for a tab-separated file
    std::size_t pos = 0;
    int line = 1;
    std::size_t lineStart = 0;

    bool atEnd() const { return pos >= bytes.size(); }
    bool atLineEnd() const { return atEnd() || bytes[pos] == '\r' || bytes[pos] == '\n'; }
    bool atFieldEnd() const { return atLineEnd() || bytes[pos] == delimiter; }
    bool atBlank() const { return !atEnd() && bytes[pos] != delimiter && (bytes[pos] == ' ' || bytes[pos] == '\t'); }
    void skipBlanks() {
        while (atBlank()) ++pos;
    }

    // The column of pos on its line, in characters (UTF-8 continuation bytes do not count).
    int column(std::size_t at) const {
        const std::string_view before = bytes.substr(lineStart, at - lineStart);
        return 1 + static_cast<int>(std::count_if(before.begin(), before.end(), [](char ch) {
                   return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
               }));
    }

    // Moves past a line end (CR LF, LF or a lone CR) at pos, if any.
    bool skipLineEnd() {
        if (atEnd() || (bytes[pos] != '\r' && bytes[pos] != '\n')) return false;
        if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ++pos;
        ++pos;
        ++line;
        lineStart = pos;
        return true;
    }

    // A quoted field from its opening quote on; false when it is never closed.
    bool quotedField(std::string& field) {
        const char stops[] = {quote, '\r', '\n', '\0'};
        ++pos;
        for (;;) {
            if (atEnd()) return false;
            const std::size_t stop = bytes.find_first_of(stops, pos);
            const std::size_t end = stop == std::string_view::npos ? bytes.size() : stop;
            field.append(bytes.substr(pos, end - pos));
            pos = end;
            if (atEnd()) return false;
            if (bytes[pos] == quote) {
                ++pos;
                if (atEnd() || bytes[pos] != quote) return true;
                field += quote;
                ++pos;
            } else {
                const std::size_t lineEnd = pos;
                skipLineEnd();
                field.append(bytes.substr(lineEnd, pos - lineEnd));
            }
        }
    }

    // A field that is not quoted, without the blanks at its ends.
    void plainField(std::string& field) {
        const std::size_t start = pos;
        while (!atFieldEnd()) ++pos;
        std::size_t end = pos;
        while (end > start && (bytes[end - 1] == ' ' || (delimiter != '\t' && bytes[end - 1] == '\t'))) --end;
        field.assign(bytes.substr(start, end - start));
    }
};

struct FieldProblem {
    int line = 0;
    int column = 0;
    std::string text;
};

// Reads one field at pos, up to the delimiter or line end after it.
bool readField(Parser& parser, std::string& field, int number, FieldProblem& problem) {
    parser.skipBlanks();
    if (parser.quote == NoQuote || parser.atEnd() || parser.bytes[parser.pos] != parser.quote) {
        parser.plainField(field);
        return true;
    }
    const int opened = parser.line, openedAt = parser.column(parser.pos);
    if (!parser.quotedField(field)) {
        problem = {opened, openedAt, "field " + std::to_string(number) + " opens a quote here that is never closed"};
        return false;
    }
    parser.skipBlanks();
    if (parser.atFieldEnd()) return true;
    problem = {parser.line, parser.column(parser.pos),
               "field " + std::to_string(number) +
                   " has text after its closing quote (a quote inside a quoted field must be doubled)"};
    return false;
}

// Reads one record from pos on, and the line end after it.
bool readRecord(Parser& parser, std::vector<std::string>& fields, FieldProblem& problem) {
    for (;;) {
        std::string& field = fields.emplace_back();
        if (!readField(parser, field, static_cast<int>(fields.size()), problem)) return false;
        if (parser.atEnd() || parser.bytes[parser.pos] != parser.delimiter) break;
        ++parser.pos;
    }
    parser.skipLineEnd();
    return true;
}

bool allEmpty(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
}

// The quote of the header: a single quote when its first name starts with one.
char headerQuote(std::string_view bytes, char delimiter) {
    if (delimiter == '\t') return NoQuote;
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '\'' ? '\'' : '"';
}

// How many fields the first record has when `delimiter` separates them, read
// as the records are read.
std::size_t headerFields(std::string_view bytes, char delimiter) {
    Parser parser{bytes, delimiter, headerQuote(bytes, delimiter)};
    while (parser.skipLineEnd()) {}
    std::vector<std::string> fields;
    FieldProblem problem;
    readRecord(parser, fields, problem);
    return fields.size();
}

char delimiterOf(std::string_view bytes) {
    char best = ',';
    std::size_t most = headerFields(bytes, best);
    for (const char other : {'\t', ';'})
        if (const std::size_t fields = headerFields(bytes, other); fields > most) most = fields, best = other;
    return best;
}

}  // namespace

CsvReadResult readCsv(std::string_view bytes) {
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) bytes.remove_prefix(ByteOrderMark.size());
    CsvReadResult result;
    const char delimiter = delimiterOf(bytes);
    Parser parser{bytes, delimiter, headerQuote(bytes, delimiter)};
    result.table.delimiter = delimiter;
    bool headerRead = false;
    while (!parser.atEnd()) {
        CsvRow row{parser.line, {}};
        FieldProblem problem;
        if (!readRecord(parser, row.fields, problem)) {
            result.ok = false;
            result.errorLine = problem.line;
            result.errorColumn = problem.column;
            result.problem = std::move(problem.text);
            return result;
        }
        if (allEmpty(row.fields)) continue;
        if (!headerRead) {
            result.table.header = std::move(row.fields);
            headerRead = true;
            parser.quote = delimiter == '\t' ? NoQuote : '"';
        } else {
            result.table.rows.push_back(std::move(row));
        }
    }
    return result;
}
