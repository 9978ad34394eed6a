#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "bookexchange/csv_reader.h"
#include "bookexchange/csv_writer.h"

namespace {

using Fields = std::vector<std::string>;

struct ReadCase {
    const char* name;
    std::string bytes;
    char delimiter;
    std::vector<CsvRow> rows;  // the header as the row of line 1
};

struct FailCase {
    const char* name;
    std::string bytes;
    int line;
    int column;
    const char* problem;
};

std::string squeezeEnds(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

std::vector<CsvRow> allRows(const CsvTable& table) {
    std::vector<CsvRow> rows{{1, table.header}};
    rows.insert(rows.end(), table.rows.begin(), table.rows.end());
    return rows;
}

TEST(ReadCsv, ReadsEveryFormOfRecordAndLineEnd) {
    const std::vector<ReadCase> cases = {
        {"comma, CR LF", "a,b\r\n1,2\r\n", ',', {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"LF, no final line end", "a,b\n1,2", ',', {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"lone CR", "a,b\r1,2\r", ',', {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "a,b\n1,2\n",
         ',',
         {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"more tabs than commas", "a,x\tb\tc\n1,y\t2\t3\n", '\t', {{1, {"a,x", "b", "c"}}, {2, {"1,y", "2", "3"}}}},
        {"commas win a tie", "a\tb,c\n", ',', {{1, {"a\tb", "c"}}}},
        {"a quote inside a plain header field", "a\"b,c\td\te\n", '\t', {{1, {"a\"b,c", "d", "e"}}}},
        {"quotes in a tab-separated file are text",
         "\"a,b,c\"\tx\n\"Quoted\" start\t\"y\n",
         '\t',
         {{1, {"\"a,b,c\"", "x"}}, {2, {"\"Quoted\" start", "\"y"}}}},
        {"blanks around fields, quoted or not",
         "a , b\n  \"x, y\"  ,\t2 \n",
         ',',
         {{1, {"a", "b"}}, {2, {"x, y", "2"}}}},
        {"semicolons", "a;b;c\n\"1;2\";3,5;\n", ';', {{1, {"a", "b", "c"}}, {2, {"1;2", "3,5", ""}}}},
        {"a header in single quotes",
         "'TITLE','AUTHOR (first, last)'\n\"x, y\",'z'\n",
         ',',
         {{1, {"TITLE", "AUTHOR (first, last)"}}, {2, {"x, y", "'z'"}}}},
        {"quotes doubled, commas quoted", "a,b\n\"x, \"\"y\"\"\",2\n", ',', {{1, {"a", "b"}}, {2, {"x, \"y\"", "2"}}}},
        {"line breaks in a quoted field count as lines",
         "a,b\n\"one\r\ntwo\nthree\",2\n3,4\n",
         ',',
         {{1, {"a", "b"}}, {2, {"one\r\ntwo\nthree", "2"}}, {5, {"3", "4"}}}},
        {"a quote inside a plain field is a quote", "a,b\nx=\"1\",2\n", ',', {{1, {"a", "b"}}, {2, {"x=\"1\"", "2"}}}},
        {"empty fields and rows", "a,b,c\n,,\n\n1,,\n\"\",\"\"\n", ',', {{1, {"a", "b", "c"}}, {4, {"1", "", ""}}}},
        {"short and long rows stay as they are",
         "a,b\n1\n1,2,3\n",
         ',',
         {{1, {"a", "b"}}, {2, {"1"}}, {3, {"1", "2", "3"}}}},
        {"blank lines still count", "a\n\n\r\nb\n", ',', {{1, {"a"}}, {4, {"b"}}}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvReadResult result = readCsv(c.bytes);
        ASSERT_TRUE(result.ok) << result.problem;
        EXPECT_EQ(result.table.delimiter, c.delimiter);
        const std::vector<CsvRow> rows = allRows(result.table);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            EXPECT_EQ(rows[r].line, c.rows[r].line) << "row " << r;
            EXPECT_EQ(rows[r].fields, c.rows[r].fields) << "row " << r;
        }
    }
}

TEST(ReadCsv, RefusesBrokenQuotingWithTheLineAndWhatIsWrong) {
    const std::vector<FailCase> cases = {
        {"never closed", "a,b\n1,2\n\"x,3\n4,5\n", 3, 1, "field 1 opens a quote here that is never closed"},
        {"never closed after a break", "a,b\n1,\"x\ny\n", 2, 3, "field 2 opens a quote here that is never closed"},
        {"text after the closing quote", "a,b\n1,\"x\ny\"z,3\n", 3, 3,
         "field 2 has text after its closing quote (a quote inside a quoted field must be doubled)"},
        {"text after blanks after the closing quote", "a,b\n\u00E9,  \"x\"  y\n", 2, 10,
         "field 2 has text after its closing quote (a quote inside a quoted field must be doubled)"},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvReadResult result = readCsv(c.bytes);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.errorLine, c.line);
        EXPECT_EQ(result.errorColumn, c.column);
        EXPECT_EQ(result.problem, c.problem);
    }
}

// Any fields, written by the writer, read back as they were: quotes, every
// delimiter, every line end and blank at the ends included; tab-separated
// files, which are not quoted, with any fields they can hold.
TEST(ReadCsv, ReadsBackWhatTheWriterWrites) {
    const std::string alphabet = "ab ,\t\"\r\n\xC3\xA9=";
    std::mt19937 draw(7);
    for (int round = 0; round < 300; ++round) {
        const char delimiter = ",;\t"[round % 3];
        std::vector<Fields> records(1 + draw() % 6, Fields(1 + draw() % 4));
        for (Fields& fields : records)
            for (std::string& field : fields)
                for (unsigned n = draw() % 7; n > 0; --n) {
                    const char ch = alphabet[draw() % alphabet.size()];
                    if (delimiter != '\t' || (ch != '\t' && ch != '\r' && ch != '\n')) field += ch;
                }
        if (delimiter == '\t')
            for (Fields& fields : records)
                for (std::string& field : fields) field = squeezeEnds(field);
        records[0] = {"head", "er"};  // the header decides the delimiter: it holds the one chosen alone
        std::string bytes;
        for (const Fields& fields : records) appendCsvRecord(bytes, fields, delimiter);
        const CsvReadResult result = readCsv(bytes);
        ASSERT_TRUE(result.ok) << result.problem;
        std::vector<Fields> expected;
        for (const Fields& fields : records)
            if (std::any_of(fields.begin(), fields.end(), [](const std::string& f) { return !f.empty(); }))
                expected.push_back(fields);
        std::vector<Fields> got;
        for (const CsvRow& row : allRows(result.table)) got.push_back(row.fields);
        ASSERT_EQ(got, expected) << "round " << round;
    }
}

}  // namespace
