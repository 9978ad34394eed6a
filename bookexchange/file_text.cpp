#include "bookexchange/file_text.h"

#include "core/utf8.h"

namespace {

constexpr std::string_view LittleEndianMark = "\xFF\xFE";
constexpr std::string_view BigEndianMark = "\xFE\xFF";

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

FileText fileText(std::string_view bytes) {
    FileText result;
    const bool little = bytes.substr(0, 2) == LittleEndianMark;
    if (!little && bytes.substr(0, 2) != BigEndianMark) return result;

    const auto unitAt = [&](std::size_t at) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
        return little ? first | second << 8 : first << 8 | second;
    };
    const auto broken = [&](std::size_t at) {
        result.ok = false;
        result.problem = "it is marked as UTF-16 text (\"Unicode text\"), but its bytes from " +
                         std::to_string(at + 1) + " on are not a UTF-16 character";
        return result;
    };
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        if (at + 1 >= bytes.size()) return broken(at);
        char32_t unit = unitAt(at);
        if (isLowSurrogate(unit)) return broken(at);
        if (isHighSurrogate(unit)) {
            if (at + 3 >= bytes.size() || !isLowSurrogate(unitAt(at + 2))) return broken(at);
            unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00);
            at += 2;
        }
        appendUtf8(text, unit);
    }
    result.converted = std::move(text);
    return result;
}
