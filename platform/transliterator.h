#pragma once

#include <string>
#include <string_view>

namespace platform {

// A text brought into Windows-1252 as closely as it can hold it.
struct Cp1252Text {
    std::string text;
    bool lostCharacters = false;  // some character had no close form and became "?"
};

// The system's own conversion of UTF-8 texts into Windows-1252, the form of
// the catalogue file written as "Quorvels 2.00": a character it holds
// becomes its byte, one it does not hold the closest it has ("ł" -> "l",
// "č" -> "c", "ő" -> "o"), and one without any (another script) "?".
struct Transliterator {
    virtual ~Transliterator() = default;

    // `utf8` must be well-formed UTF-8.
    virtual Cp1252Text toCp1252(std::string_view utf8) = 0;
};

}  // namespace platform
