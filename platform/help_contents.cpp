#include "platform/help_contents.h"

#include <algorithm>
#include <charconv>

namespace platform {

namespace {

constexpr std::string_view TitleCommand = ":Title ";

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "<level> <title>[=<anchor>]", or false when the line has another form.
bool parseEntry(std::string_view line, HelpContentsEntry& entry) {
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), entry.level);
    if (error != std::errc() || entry.level < 1 || end == line.data() + line.size() || *end != ' ') return false;
    std::string_view rest = line.substr(static_cast<std::size_t>(end - line.data()));
    const auto equals = rest.rfind('=');
    entry.anchor = equals == std::string_view::npos ? std::string() : std::string(trimBlanks(rest.substr(equals + 1)));
    entry.title = trimBlanks(rest.substr(0, equals));
    return !entry.title.empty();
}

}  // namespace

HelpContents parseHelpContents(std::string_view text) {
    HelpContents contents;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (line.starts_with(TitleCommand)) {
            contents.title = trimBlanks(line.substr(TitleCommand.size()));
            continue;
        }
        HelpContentsEntry entry;
        if (!parseEntry(line, entry)) continue;
        const int deepest = contents.entries.empty() ? 1 : contents.entries.back().level + 1;
        entry.level = std::min(entry.level, deepest);
        contents.entries.push_back(std::move(entry));
    }
    return contents;
}

}  // namespace platform
