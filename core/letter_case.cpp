#include "core/letter_case.h"

#include <bit>
#include <cstring>

#include "core/case_mapping.h"
#include "core/catalogue.h"
#include "core/proper_case.h"

namespace {

// Maps the ASCII bytes that begin `bytes` where they stand, eight at a time
// where it can; returns how many it took (it stops at the first byte of
// another character).
std::size_t mapAsciiRun(char* bytes, std::size_t size, CaseMap map) {
    std::size_t at = 0;
    for (; at + 8 <= size; at += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, bytes + at, 8);
        const std::uint64_t high = chunk & EachByte * 0x80;
        const int ascii = std::countr_zero(high) / 8;
        // The bytes from the first of another character on are kept as they were.
        const std::uint64_t mappedBytes = ascii == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << 8 * ascii) - 1;
        chunk = (mappedAsciiChunk(chunk, map) & mappedBytes) | (chunk & ~mappedBytes);
        std::memcpy(bytes + at, &chunk, 8);
        if (ascii < 8) return at + ascii;
    }
    for (; at < size && static_cast<unsigned char>(bytes[at]) < 0x80; ++at) bytes[at] = mappedAscii(bytes[at], map);
    return at;
}

// Maps every character of the text where it stands; a character whose
// mapping takes another number of bytes (rare: "ı" and "I") moves the rest.
void mapInPlace(std::string& text, CaseMap map) {
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            at += mapAsciiRun(text.data() + at, text.size() - at, map);
            continue;
        }
        if (const std::size_t run = mapTwoByteRun(text.data() + at, text.size() - at, text.data() + at, map)) {
            at += run;
            continue;
        }
        if (const std::size_t run = caselessRunLength(text.data() + at, text.size() - at)) {
            at += run;
            continue;
        }
        const MappedCharacter character = mapCharacter(std::string_view(text).substr(at), map);
        if (character.mapped == Unchanged) {
            at += character.length;
            continue;
        }
        char mapped[4];
        const std::size_t length = writeUtf8(character.mapped, mapped) - mapped;
        if (length == character.length)
            std::memcpy(text.data() + at, mapped, length);
        else
            text.replace(at, character.length, mapped, length);
        at += length;
    }
}

std::string mappedText(std::string_view text, CaseMap map) {
    std::string result(text);
    mapInPlace(result, map);
    return result;
}

std::string_view withoutLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

void convertLetterCase(std::string& text, bool toCapitals, std::string& room) {
    if (toCapitals) return mapInPlace(text, CaseMap::Upper);
    const std::string_view converted = properCaseInto(withoutLeadingBlanks(text), room);
    if (converted != text) text.assign(converted);
}

}  // namespace

char32_t upperOf(char32_t character) { return mappedCharacter(character, CaseMap::Upper); }
char32_t lowerOf(char32_t character) { return mappedCharacter(character, CaseMap::Lower); }
char32_t foldOf(char32_t character) { return mappedCharacter(character, CaseMap::Fold); }

std::string upperText(std::string_view text) { return mappedText(text, CaseMap::Upper); }
std::string lowerText(std::string_view text) { return mappedText(text, CaseMap::Lower); }
std::string foldedText(std::string_view text) { return mappedText(text, CaseMap::Fold); }
void foldInPlace(std::string& text) { mapInPlace(text, CaseMap::Fold); }

std::string properCase(std::string_view text) {
    std::string room;
    return std::string(properCaseInto(text, room));
}

void convertLetterCase(std::string& text, bool toCapitals) {
    std::string room;
    convertLetterCase(text, toCapitals, room);
}

namespace {

void convertAll(BookTables& books, bool toCapitals) {
    std::string room;
    for (std::size_t i = 1; i < books.authors.size(); ++i) convertLetterCase(books.authors[i], toCapitals, room);
    for (std::size_t i = 1; i < books.records.size(); ++i) convertLetterCase(books.records[i].title, toCapitals, room);
    books.lettersInForm = true;
}

}  // namespace

void toggleLetterCase(BookTables& books) {
    convertAll(books, !books.upperCase);
    books.upperCase = !books.upperCase;
}

void applyLetterCase(BookTables& books) { convertAll(books, books.upperCase); }
