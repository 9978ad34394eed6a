#include "platform/win32/wide_text.h"

#include <utility>

namespace platform {

namespace {

constexpr wchar_t Replacement = 0xFFFD;

bool isLead(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isTrail(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The length of the sequence a first byte starts and that byte's value bits;
// 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char first, char32_t& bits) {
    if (first < 0x80) return bits = first, 1;
    if (first >= 0xC2 && first <= 0xDF) return bits = first & 0x1F, 2;
    if (first >= 0xE0 && first <= 0xEF) return bits = first & 0x0F, 3;
    if (first >= 0xF0 && first <= 0xF4) return bits = first & 0x07, 4;
    return 0;
}

// The character at path[pos] and its length in bytes; 0 when it is not well-formed.
std::size_t decode(std::string_view path, std::size_t pos, char32_t& character) {
    const std::size_t length = sequenceLength(static_cast<unsigned char>(path[pos]), character);
    if (length == 0 || pos + length > path.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(path[pos + k]);
        if ((byte & 0xC0) != 0x80) return 0;
        character = (character << 6) | (byte & 0x3F);
    }
    // Overlong forms and characters beyond Unicode (surrogates are welcome).
    if ((length == 3 && character < 0x800) || (length == 4 && (character < 0x10000 || character > 0x10FFFF))) return 0;
    return length;
}

void append(std::string& path, char32_t character) {
    if (character < 0x80) {
        path += static_cast<char>(character);
    } else if (character < 0x800) {
        path += static_cast<char>(0xC0 | (character >> 6));
        path += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        path += static_cast<char>(0xE0 | (character >> 12));
        path += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        path += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        path += static_cast<char>(0xF0 | (character >> 18));
        path += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        path += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        path += static_cast<char>(0x80 | (character & 0x3F));
    }
}

}  // namespace

std::wstring wideFromPath(std::string_view path) {
    std::wstring wide;
    wide.reserve(path.size());
    for (std::size_t pos = 0; pos < path.size();) {
        char32_t character = 0;
        const std::size_t length = decode(path, pos, character);
        if (length == 0) {
            wide += Replacement;
            ++pos;
            continue;
        }
        if (character >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(character);
        }
        pos += length;
    }
    return wide;
}

SystemPath pathFromWide(std::wstring_view wide) {
    std::string path;
    path.reserve(wide.size());
    for (std::size_t pos = 0; pos < wide.size(); ++pos) {
        const char32_t unit = static_cast<char16_t>(wide[pos]);
        if (isLead(unit) && pos + 1 < wide.size() && isTrail(static_cast<char16_t>(wide[pos + 1]))) {
            const char32_t trail = static_cast<char16_t>(wide[++pos]);
            append(path, 0x10000 + ((unit - 0xD800) << 10) + (trail - 0xDC00));
        } else {
            append(path, unit);  // an unpaired surrogate too, in three bytes
        }
    }
    return SystemPath::fromSystem(std::move(path));
}

}  // namespace platform
