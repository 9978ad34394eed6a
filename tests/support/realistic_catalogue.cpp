#include "tests/support/realistic_catalogue.h"

#include <array>
#include <optional>
#include <random>
#include <span>
#include <string_view>

#include "core/marks.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "core/utf8.h"
#include "tests/support/book_vocabulary.h"

namespace {

// Draws from the standard's fully specified engine with a plain modulo, so the
// same seed gives the same books with any standard library.
struct Draw {
    explicit Draw(unsigned seed) : engine(seed) {}
    std::mt19937 engine;

    int below(int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); }
    bool oneIn(int n) { return below(n) == 0; }
    const char* pick(std::span<const char* const> words) { return words[below(static_cast<int>(words.size()))]; }
};

// Latin letters beyond ASCII, in UTF-8: e-acute, e-diaeresis, a-acute, u-umlaut,
// o-umlaut, c-cedilla, o-slash.
constexpr std::array<const char*, 64> surnames = {
    "Smith",
    "Jones",
    "Taylor",
    "Brown",
    "Williams",
    "Wilson",
    "Johnson",
    "Davies",
    "Robinson",
    "Wright",
    "Thompson",
    "Evans",
    "Walker",
    "White",
    "Roberts",
    "Green",
    "Hall",
    "Wood",
    "Jackson",
    "Clarke",
    "Patel",
    "Khan",
    "Lewis",
    "James",
    "Phillips",
    "Mason",
    "Mitchell",
    "Rose",
    "Davis",
    "Rodriguez",
    "Cox",
    "Alexander",
    "Garden",
    "Campbell",
    "Johnston",
    "Moore",
    "Smyth",
    "O'Neill",
    "Doherty",
    "Stewart",
    "Quinn",
    "Murphy",
    "Graham",
    "Mc Laughlin",
    "Hamilton",
    "Murray",
    "Hughes",
    "Robertson",
    "Thomson",
    "Scott",
    "Bront\u00EB",
    "le Carr\u00E9",
    "Garc\u00ED"
    "a M\u00E1"
    "rquez",
    "M\u00FCller",
    "Sch\u00F6nberg",
    "Fran\u00E7ois",
    "\u00D8rsted",
    "du Maurier",
    "de la Mare",
    "van der Berg",
    "Le Guin",
    "Saint-Exup\u00E9ry",
    "Ng",
    "Fitzgerald-Smythe",
};

constexpr std::array<const char*, 48> forenames = {
    "John",      "Mary",     "Anne",          "Peter",      "Margaret",     "David",
    "Elizabeth", "James",    "Susan",         "Robert",     "Helen",        "William",
    "Jane",      "Thomas",   "Patricia",      "Charles",    "Agatha",       "Graham",
    "Ursula K.", "J.R.R.",   "P.G.",          "Dorothy L.", "Arthur Conan", "Jean-Paul",
    "Ren\u00E9", "Zo\u00EB", "Ian",           "Iris",       "Kazuo",        "Chinua",
    "Toni",      "Gabriel",  "Isabel",        "Umberto",    "Leo",          "Fyodor",
    "Hilary",    "Alice",    "Ali",           "Salman",     "Doris",        "Muriel",
    "Kingsley",  "Evelyn",   "Graham Greene", "A.",         "E. M.",        "Bartholomew Augustine",
};

constexpr std::array<const char*, 96> titleWords = {
    "night",   "garden",    "river",   "house",   "winter",  "summer",  "shadow",  "light",    "stone",   "city",
    "island",  "war",       "peace",   "love",    "death",   "king",    "queen",   "daughter", "son",     "mother",
    "father",  "secret",    "silence", "voyage",  "journey", "road",    "sea",     "mountain", "forest",  "fire",
    "water",   "glass",     "iron",    "silver",  "golden",  "dark",    "long",    "last",     "first",   "little",
    "great",   "lost",      "hidden",  "broken",  "quiet",   "wild",    "strange", "empty",    "year",    "hour",
    "morning", "evening",   "letters", "diary",   "murder",  "affair",  "case",    "mystery",  "return",  "tale",
    "story",   "song",      "book",    "history", "memoirs", "life",    "times",   "world",    "country", "village",
    "station", "harbour",   "tower",   "castle",  "bridge",  "window",  "door",    "key",      "map",     "clock",
    "music",   "colour",    "names",   "heart",   "mind",    "dream",   "ghost",   "stranger", "friend",  "enemy",
    "spy",     "detective", "captain", "doctor",  "teacher", "painter",
};

constexpr std::array<const char*, 12> smallWords = {"the", "of", "in",   "at", "for", "with",
                                                    "and", "a",  "from", "or", "on",  "to"};

constexpr std::array<const char*, 12> dispositions = {
    "Kept on the shelf",
    "Kept on the shelf",
    "Kept on the shelf",
    "Lent to Margaret",
    "Lent to Paul",
    "Given away",
    "Given to the library",
    "Sold",
    "Borrowed from the library",
    "Second-hand copy",
    "",
    "",
};

constexpr std::array<const char*, 26> initials = {" A.", " B.", " C.", " D.", " E.", " F.", " G.", " H.", " I.",
                                                  " J.", " K.", " L.", " M.", " N.", " O.", " P.", " Q.", " R.",
                                                  " S.", " T.", " U.", " V.", " W.", " X.", " Y.", " Z."};

const BookVocabulary& englishVocabulary() {
    static const BookVocabulary vocabulary{surnames, forenames, initials, titleWords, smallWords,
                                           "The",    ", ",      " - ",    " ",        dispositions};
    return vocabulary;
}

// The word with its first letter raised: a to z, and the Cyrillic small
// letters a to ya (U+0430..U+044F, two bytes each in UTF-8); others stay.
std::string capitalised(std::string word) {
    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 'a' + 'A');
    std::size_t position = 0;
    const std::optional<char32_t> first = decodeUtf8(word, position);
    if (first && *first >= U'\u0430' && *first <= U'\u044F') {
        std::string raised;
        appendUtf8(raised, *first - 0x20);
        word.replace(0, position, raised);
    }
    return word;
}

// "Surname, Forenames", with an initial (or a name's ending) now and then so
// that one surname and forename pair can name several authors.
std::string typedAuthor(Draw& draw, const BookVocabulary& words) {
    std::string author = std::string(draw.pick(words.surnames)) + ", " + draw.pick(words.forenames);
    if (draw.oneIn(3)) author += draw.pick(words.nameEndings);
    return author;
}

// Mostly two to eight words; one in forty runs on through subtitles to fill
// (almost) all 255 characters.
std::string typedTitle(Draw& draw, const BookVocabulary& words) {
    std::string title = draw.oneIn(3) ? words.opening : capitalised(draw.pick(words.titleWords));
    std::size_t characters = characterCount(title);
    const int count = draw.oneIn(40) ? 200 : 1 + draw.below(7);
    for (int w = 0; w < count; ++w) {
        std::string next = draw.oneIn(4) ? draw.pick(words.smallWords) : draw.pick(words.titleWords);
        if (draw.oneIn(2)) next = capitalised(next);
        const std::string_view joint = draw.oneIn(12) ? words.comma : draw.oneIn(20) ? words.dash : words.blank;
        const std::size_t added = characterCount(joint) + characterCount(next);
        if (characters + added > static_cast<std::size_t>(MaxTextCharacters)) break;
        title += std::string(joint) + next;
        characters += added;
    }
    return title;
}

std::uint16_t typedDate(Draw& draw) {
    if (draw.oneIn(5)) return 0;
    const auto twoDigits = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return packReadDate(twoDigits(1 + draw.below(12)) + "-" + twoDigits(1 + draw.below(28)) + "-" +
                        std::to_string(1980 + draw.below(46)));
}

}  // namespace

std::vector<TypedBook> realisticBooks(int size, unsigned seed, BookScripts scripts) {
    // Each author writes in one language: every other one in Russian, the
    // rest in Japanese, when the books are in those scripts.
    const auto languageOf = [scripts](int author) -> const BookVocabulary& {
        if (scripts == BookScripts::Latin) return englishVocabulary();
        return author % 2 == 0 ? russianVocabulary() : japaneseVocabulary();
    };
    Draw draw(seed);
    std::vector<std::string> authors;
    for (int a = 0; a < std::max(1, size / 6); ++a) authors.push_back(typedAuthor(draw, languageOf(a)));

    std::vector<TypedBook> books;
    books.reserve(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        // Early authors write more: the square of an even draw leans towards 0.
        const int spread = draw.below(static_cast<int>(authors.size()) * 64);
        const auto author = static_cast<std::size_t>(static_cast<long long>(spread) * spread /
                                                     (static_cast<long long>(authors.size()) * 64 * 64));
        const BookVocabulary& words = languageOf(static_cast<int>(author));
        TypedBook book;
        book.author = authors[author];
        book.title = typedTitle(draw, words);
        book.disposition = draw.pick(words.dispositions);
        book.packedDate = typedDate(draw);
        book.category = static_cast<std::uint8_t>(draw.below(14));
        book.review = static_cast<std::uint8_t>(draw.below(10));
        books.push_back(std::move(book));
    }
    return books;
}

Catalogue enterBooks(const std::vector<TypedBook>& books, unsigned seed) {
    Catalogue catalogue;
    for (const TypedBook& book : books)
        insertRecord(catalogue, book.author, book.title, book.disposition, book.packedDate, book.category, book.review);
    Draw draw(seed);
    for (int i = 1; i <= recordCount(catalogue.books); ++i)
        if (draw.oneIn(10)) setMarked(catalogue.books, i, true);
    catalogue.view.currentRecord = 0;
    rebuildView(catalogue);
    return catalogue;
}
