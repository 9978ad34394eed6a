#include "core/case_mapping.h"

MappedCharacter mapAnyCharacter(std::string_view text, CaseMap map) {
    std::size_t length = 0;
    const auto character = decodeUtf8(text, length);
    if (!character) return {1, Unchanged};
    const char32_t mapped = mappedCharacter(*character, map);
    return {length, mapped == *character ? Unchanged : mapped};
}
