#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/letter_case.h"
#include "core/utf8.h"
#include "tests/core/catalogue_builders.h"
#include "tests/support/catalogue_invariants.h"

namespace {

// The word with its first character raised.
std::string raisedFirst(const std::string& word) {
    std::size_t end = 0;
    const auto first = decodeUtf8(word, end);
    if (!first) return word;  // a byte of no well-formed character stays
    std::string raised;
    appendUtf8(raised, upperOf(*first));
    return raised + word.substr(end);
}

// The proper-case conversion exactly as the rule reads, one word at a time
// with a new string for each: the conversion that reuses its room must give
// the same text for every input.
std::string properCaseWordByWord(std::string_view text) {
    const auto words =
        std::count_if(text.begin(), text.end(), [](char ch) { return WordBreaks.find(ch) != std::string_view::npos; }) +
        1;
    const auto dropLeadingBlanks = [](std::string_view t) {
        const auto first = t.find_first_not_of(' ');
        return first == std::string_view::npos ? std::string_view{} : t.substr(first);
    };
    std::string result;
    for (long n = 0; n < words; ++n) {
        const auto end = std::min(text.find_first_of(WordBreaks), text.size());
        std::string word = lowerText(text.substr(0, end));
        const bool hasBreak = end < text.size();
        const char breakChar = hasBreak ? text[end] : '\0';
        text = dropLeadingBlanks(hasBreak ? text.substr(end + 1) : std::string_view{});
        if (!word.empty()) {
            if (breakChar == '.' && characterCount(word) == 1)
                word = raisedFirst(word);
            else if (SmallWords.find(" " + lowerText(foldedText(word)) + " ") == std::string_view::npos)
                word = raisedFirst(word);
        }
        result += word;
        if (hasBreak) result += breakChar;
        if (breakChar == ',') result += ' ';
    }
    if (!result.empty()) result = raisedFirst(result);
    const auto first = result.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return result.substr(first, result.find_last_not_of(' ') - first + 1);
}

TEST(ProperCase, GivesTheWordByWordResultForAnyText) {
    // Pieces that meet every branch: small words, one-letter initials,
    // every break, runs of blanks, other bytes.
    const std::vector<std::string> pieces = {
        "the", "THIS", "At",      "for",           "from",    "or", "nor", "in", "WITH", "of", "it", "a", "An", "th",
        "o",   "x",    "Tolkien", "mcD\u00C9NALD", "\u0131T", " ",  "  ",  ",",  ";",    ".",  "-",  "/", "(",  ")",
        ":",   "\t",   "\0"};
    std::mt19937 random(11);
    for (int sample = 0; sample < 20000; ++sample) {
        std::string text;
        for (int n = static_cast<int>(random() % 12); n > 0; --n) text += pieces[random() % pieces.size()];
        ASSERT_EQ(properCase(text), properCaseWordByWord(text)) << '"' << text << '"';
        std::string converted = text;
        convertLetterCase(converted, false);
        ASSERT_EQ(converted, properCaseWordByWord(text.substr(std::min(text.size(), text.find_first_not_of(' ')))));
    }
}

// The conversions of whole texts take quicker ways (ASCII eight bytes at a
// time, one table for characters of two bytes, runs without case left as
// they are): over texts of many scripts, with characters whose mappings
// take another number of bytes and bytes of no well-formed character, they
// give what mapping character by character gives.
TEST(LetterCase, TextsMapAsTheirCharactersDoOneByOne) {
    const std::vector<std::string> pieces = {"Abc xyz ",
                                             "LONGER WORDS, HERE",
                                             "\u0131\u0130",
                                             "\u023F\u023E",
                                             "\u212A",
                                             "\u00DF\u00C9",
                                             "\u0416\u0438\u0437\u043D\u044C",
                                             "\u043D\u043E\u0447\u044C",
                                             "\u0401\u0451",
                                             "\u03A9\u03C9",
                                             "\u3072\u3089\u304C\u306A",
                                             "\u6F22\u5B57",
                                             "\u1E00\u1E01",
                                             "\u0531",
                                             "\U00010400\U00010428",
                                             "\xFF",
                                             "\xC3",
                                             "\xE3\x81",
                                             "\xED\xA0\x80",
                                             "\xE0\x80\xB0",
                                             ". ",
                                             "the",
                                             "IT"};
    const auto byCharacter = [](std::string_view text, char32_t (*map)(char32_t)) {
        std::string mapped;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t start = at;
            if (const auto character = decodeUtf8(text, at))
                appendUtf8(mapped, map(*character));
            else
                mapped += text[start];
        }
        return mapped;
    };
    std::mt19937 random(5);
    for (int sample = 0; sample < 20000; ++sample) {
        std::string text;
        for (int n = static_cast<int>(random() % 10); n > 0; --n) text += pieces[random() % pieces.size()];
        ASSERT_EQ(upperText(text), byCharacter(text, upperOf)) << text;
        ASSERT_EQ(lowerText(text), byCharacter(text, lowerOf)) << text;
        ASSERT_EQ(foldedText(text), byCharacter(text, foldOf)) << text;
        ASSERT_EQ(properCase(text), properCaseWordByWord(text)) << text;
    }
}

TEST(ProperCase, SmallWordsStayLowExceptFirst) {
    EXPECT_EQ(properCase("THE LORD OF THE RINGS"), "The Lord of the Rings");
    EXPECT_EQ(properCase("A TALE OF TWO CITIES"), "A Tale of Two Cities");
    EXPECT_EQ(properCase("WAR AND PEACE"), "War And Peace");
    EXPECT_EQ(properCase("GONE WITH THE WIND"), "Gone with the Wind");
}

TEST(ProperCase, CommasInitialsAndBreaks) {
    EXPECT_EQ(properCase("TOLKIEN, J. R. R."), "Tolkien, J.R.R.");
    EXPECT_EQ(properCase("SMITH,JOHN"), "Smith, John");
    EXPECT_EQ(properCase("MARY-KATE"), "Mary-Kate");
    EXPECT_EQ(properCase("(THE) END"), "(the)End");
    EXPECT_EQ(properCase("McDONALD"), "Mcdonald");
    EXPECT_EQ(properCase("a."), "A.");
    EXPECT_EQ(properCase("TIME AND A WORD"), "Time And a Word");
    EXPECT_EQ(properCase("ANSWER: A. YES"), "Answer: A.Yes");
}

TEST(ProperCase, BlanksAreFoldedAndTrimmed) {
    EXPECT_EQ(properCase("  MANY    BLANKS   HERE  "), "Many Blanks Here");
    EXPECT_EQ(properCase("ONE ,  TWO"), "One , Two");
    EXPECT_EQ(properCase(""), "");
    EXPECT_EQ(properCase("   "), "");
    EXPECT_EQ(properCase(",,"), ", ,");
}

TEST(LetterCase, EveryLetterWithACaseFollowsTheSimpleMappings) {
    struct Case {
        char32_t letter, upper, lower, fold;
    };
    const Case cases[] = {
        {U'Σ', U'Σ', U'σ', U'Σ'}, {U'σ', U'Σ', U'σ', U'Σ'}, {U'ς', U'Σ', U'ς', U'Σ'},  // no final-sigma rule
        {U'Ё', U'Ё', U'ё', U'Ё'}, {U'ё', U'Ё', U'ё', U'Ё'}, {U'İ', U'İ', U'i', U'I'},  // İ folds as its small i
        {U'ı', U'I', U'ı', U'I'}, {U'ß', U'ß', U'ß', U'ß'}, {U'ẞ', U'ẞ', U'ß', U'ß'},  // no capital of ß
        {U'Ǆ', U'Ǆ', U'ǆ', U'Ǆ'}, {U'ǅ', U'Ǆ', U'ǆ', U'Ǆ'}, {U'ǆ', U'Ǆ', U'ǆ', U'Ǆ'},
        {U'µ', U'Μ', U'µ', U'Μ'}, {U'ƒ', U'Ƒ', U'ƒ', U'Ƒ'}, {U'K', U'K', U'k', U'K'},  // Kelvin sign
        {U'ϴ', U'ϴ', U'θ', U'Θ'}, {U'ա', U'Ա', U'ա', U'Ա'}, {U'漢', U'漢', U'漢', U'漢'},
        {U'ȿ', U'Ȿ', U'ȿ', U'Ȿ'}, {U'1', U'1', U'1', U'1'}, {U'a', U'A', U'a', U'A'},
    };
    const auto code = [](char32_t c) { return static_cast<std::uint32_t>(c); };
    for (const Case& c : cases) {
        EXPECT_EQ(code(upperOf(c.letter)), code(c.upper)) << std::hex << code(c.letter);
        EXPECT_EQ(code(lowerOf(c.letter)), code(c.lower)) << std::hex << code(c.letter);
        EXPECT_EQ(code(foldOf(c.letter)), code(c.fold)) << std::hex << code(c.letter);
    }
    EXPECT_EQ(properCase("GARC\u00CDA M\u00C1RQUEZ"), "Garc\u00EDa M\u00E1rquez");
    EXPECT_EQ(properCase("\u0131STANBUL, \u00C9. ZOLA"), "Istanbul, \u00C9.Zola");
    EXPECT_EQ(upperText("Jos\u00E9 Stra\u00DFe \u0254"), "JOS\u00C9 STRA\u00DFE \u0186");
    EXPECT_EQ(lowerText("\xFF\u0130A"), "\xFFia");  // a stray byte stays
    EXPECT_EQ(foldedText("\u0422\u043E\u043B\u0441\u0442\u043E\u0439"),
              foldedText("\u0422\u041E\u041B\u0421\u0422\u041E\u0419"));
}

TEST(ProperCase, IsIdempotent) {
    // Insertion relies on this to convert only the texts it adds.
    const char* samples[] = {"TOLKIEN, J. R. R.",
                             "(THE) END",
                             " - a.b,, c ;d/ (e) ",
                             "OF THE",
                             "x ,y",
                             ". a .",
                             "THE. OF, A-A",
                             "  ,  ,",
                             "A",
                             " it a "};
    for (const char* sample : samples) {
        std::string once = sample;
        convertLetterCase(once, false);
        std::string twice = once;
        convertLetterCase(twice, false);
        EXPECT_EQ(twice, once) << sample;
    }
}

TEST(ToggleLetterCase, ConvertsAuthorsAndTitlesButNeverDispositions) {
    Catalogue c;
    c.books.upperCase = true;
    insertRecord(c, "SMITH,JOHN", "A TALE OF TWO CITIES", "Lent to Ann", 0, 0, 0);
    insertRecord(c, "SMITH, JOHN", "THE END", "GIVEN AWAY", 0, 0, 0);
    ASSERT_EQ(authorCount(c.books), 2);  // the blank after the comma makes them two authors
    toggleLetterCase(c.books);
    EXPECT_FALSE(c.books.upperCase);
    EXPECT_EQ(c.books.authors[1], "Smith, John");
    EXPECT_EQ(c.books.authors[2], "Smith, John");  // equal now, and still two entries
    EXPECT_EQ(c.books.records[1].disposition, "GIVEN AWAY");
    EXPECT_EQ(c.books.records[2].disposition, "Lent to Ann");
    toggleLetterCase(c.books);
    EXPECT_TRUE(c.books.upperCase);
    EXPECT_EQ(c.books.authors[1], "SMITH, JOHN");
    EXPECT_EQ(c.books.records[2].title, "A TALE OF TWO CITIES");
    EXPECT_EQ(c.books.records[1].disposition, "GIVEN AWAY");
}

TEST(ToggleLetterCase, DeletedRecordsAreConvertedToo) {
    Catalogue c;
    c.books.upperCase = true;
    addBook(c, "ADAMS", "HIDDEN BOOK");
    setFlag(c.books.records[1].flags, DeletedFlag, true);
    setFlag(c.books.records[1].flags, ShownFlag, false);
    toggleLetterCase(c.books);
    EXPECT_EQ(c.books.records[1].title, "Hidden Book");
}

TEST(ToggleLetterCase, MixedSpellingIsNotRestored) {
    Catalogue c;
    c.books.upperCase = true;
    addBook(c, "ADAMS", "X");
    c.books.records[1].title = "McDonald's iPod";
    c.books.lettersInForm = false;
    toggleLetterCase(c.books);
    EXPECT_EQ(c.books.records[1].title, "Mcdonald's Ipod");
}

}  // namespace

TEST(LetterCase, ConvertingTextsOfEveryScriptKeepsTheirFoldsAndTheCataloguesOrder) {
    const std::vector<std::string> pieces = {"\u00E9mile",
                                             "\u00C9MILE",
                                             "\u0396\u03AE\u03C3\u03B7\u03C2",
                                             "\u039F\u0394\u03A5\u03A3",
                                             "\u03C2",
                                             "\u0442\u043E\u043B\u0441\u0442\u043E\u0439",
                                             "\u0422\u041E\u041B",
                                             "\u0401\u043B\u043A\u0430",
                                             "\u0130zmir",
                                             "\u0131sparta",
                                             "stra\u00DFe",
                                             "STRASSE",
                                             "\u1E9E",
                                             "\u01C5emal",
                                             "\u00B5",
                                             "\u0544\u0565\u057D",
                                             "\u6F22\u5B57",
                                             "\u023F",
                                             "\u212A",
                                             "abc",
                                             "Zed",
                                             "the",
                                             "of",
                                             " ",
                                             ", ",
                                             ".",
                                             "-",
                                             "[",
                                             "_",
                                             "`"};
    std::mt19937 random(41);
    const auto text = [&] {
        std::string t;
        for (int n = 1 + static_cast<int>(random() % 5); n > 0; --n) t += pieces[random() % pieces.size()];
        return t;
    };
    Catalogue c;
    for (int book = 0; book < 400; ++book) {
        const std::string typed = text();
        ASSERT_EQ(foldedText(upperText(typed)), foldedText(typed)) << typed;
        ASSERT_EQ(foldedText(lowerText(typed)), foldedText(typed)) << typed;
        // Texts typed in proper case, as insertion converts them only after
        // finding their places.
        const std::string author = properCase(typed), title = properCase(text());
        ASSERT_EQ(foldedText(properCase(upperText(title))), foldedText(title)) << title;
        if (std::all_of(title.begin(), title.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; })) {
            std::string bytewise = title;
            for (char& ch : bytewise) ch = toUpperAscii(ch);
            ASSERT_EQ(upperText(title), bytewise);
        }
        addBook(c, author, title);
    }
    for (int round = 0; round < 3; ++round) {
        const auto breaks = invariantBreaks(c);
        ASSERT_TRUE(breaks.empty()) << "round " << round << ": " << breaks.front();
        toggleLetterCase(c.books);
    }
}
