#include "platform/win32_desktop/help_text.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/utf8.h"

namespace platform::win32 {

namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The value of one attribute of a tag ("name" in `a name="start"`), or "".
std::string attribute(std::string_view tag, std::string_view name) {
    const std::string lower = lowered(tag);
    for (std::size_t at = lower.find(name); at != std::string::npos; at = lower.find(name, at + 1)) {
        if (at == 0 || !isSpace(lower[at - 1])) continue;
        std::size_t pos = at + name.size();
        while (pos < tag.size() && isSpace(tag[pos])) ++pos;
        if (pos >= tag.size() || tag[pos] != '=') continue;
        ++pos;
        while (pos < tag.size() && isSpace(tag[pos])) ++pos;
        if (pos < tag.size() && (tag[pos] == '"' || tag[pos] == '\'')) {
            const std::size_t end = tag.find(tag[pos], pos + 1);
            return std::string(tag.substr(pos + 1, end == std::string_view::npos ? end : end - pos - 1));
        }
        std::size_t end = pos;
        while (end < tag.size() && !isSpace(tag[end]) && tag[end] != '/') ++end;
        return std::string(tag.substr(pos, end - pos));
    }
    return {};
}

// The character an entity stands for, or none for an entity it does not know.
std::string entity(std::string_view name) {
    if (name == "gt") return ">";
    if (name == "lt") return "<";
    if (name == "amp") return "&";
    if (name == "quot") return "\"";
    if (name == "apos") return "'";
    if (name == "nbsp") return "\u00A0";
    if (name.size() < 2 || name[0] != '#') return {};
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 6) return {};
    char32_t character = 0;
    for (char digit : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(digit)) ||
            (!hex && !std::isdigit(static_cast<unsigned char>(digit))))
            return {};
        character = character * (hex ? 16 : 10) + static_cast<char32_t>(std::isdigit(static_cast<unsigned char>(digit))
                                                                            ? digit - '0'
                                                                            : std::tolower(digit) - 'a' + 10);
    }
    if (character == 0 || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return "?";
    std::string text;
    appendUtf8(text, character);
    return text;
}

// The text as it grows: line breaks and spaces wait until the next
// character, so that none comes at the start or the end or doubles up.
struct Writer {
    HelpText out;
    int pendingLines = 0;  // 1: a new line; 2: a blank line before it
    bool pendingSpace = false;
    bool lineStarted = false;
    std::vector<std::string> pendingAnchors;

    void breakLine(int lines) { pendingLines = std::max(pendingLines, lines); }
    void space() { pendingSpace = lineStarted; }
    void anchor(std::string name) {
        if (!name.empty()) pendingAnchors.push_back(std::move(name));
    }
    void put(std::string_view characters) {
        if (pendingLines > 0 && !out.text.empty())
            for (int line = 0; line < pendingLines; ++line) out.text += "\r\n";
        else if (pendingSpace && lineStarted)
            out.text += ' ';
        if (pendingLines > 0) lineStarted = false;
        pendingLines = 0;
        pendingSpace = false;
        for (std::string& name : pendingAnchors) out.anchors.emplace(std::move(name), out.text.size());
        pendingAnchors.clear();
        out.text += characters;
        lineStarted = true;
    }
    HelpText finish() {
        for (std::string& name : pendingAnchors) out.anchors.emplace(std::move(name), out.text.size());
        return std::move(out);
    }
};

void tag(Writer& writer, std::string_view inside, bool& firstCell) {
    const bool closing = !inside.empty() && inside[0] == '/';
    std::size_t end = closing ? 1 : 0;
    while (end < inside.size() && std::isalnum(static_cast<unsigned char>(inside[end]))) ++end;
    const std::string name = lowered(inside.substr(closing ? 1 : 0, end - (closing ? 1 : 0)));
    if (!closing) {
        writer.anchor(attribute(inside, "id"));
        if (name == "a") writer.anchor(attribute(inside, "name"));
    }
    const bool heading = name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
    if (heading || name == "p" || name == "ul" || name == "ol" || name == "table" || name == "pre" ||
        name == "blockquote")
        writer.breakLine(2);
    else if (name == "br" || name == "div" || name == "tr" || name == "dt" || name == "dd" || name == "hr")
        writer.breakLine(1);
    if (closing) return;
    if (name == "li") {
        writer.breakLine(1);
        writer.put("\u2022 ");
        writer.pendingSpace = false;
    } else if (name == "tr") {
        firstCell = true;
    } else if (name == "td" || name == "th") {
        if (!firstCell) {
            writer.put("\t");
            writer.pendingSpace = false;
        }
        firstCell = false;
    }
}

}  // namespace

HelpText helpTextOf(std::string_view html) {
    Writer writer;
    bool firstCell = true;
    for (std::size_t pos = 0; pos < html.size();) {
        const char c = html[pos];
        if (html.substr(pos).starts_with("<!--")) {  // a comment runs to "-->"
            const std::size_t end = html.find("-->", pos + 4);
            pos = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        if (c == '<') {
            const std::size_t close = html.find('>', pos);
            if (close == std::string_view::npos) break;
            const std::string_view inside = html.substr(pos + 1, close - pos - 1);
            pos = close + 1;
            // The head, scripts and styles show nothing.
            const std::string name = lowered(inside.substr(0, inside.find_first_of(" \t\r\n/")));
            if (name == "head" || name == "script" || name == "style") {
                const std::size_t end = lowered(html.substr(pos)).find("</" + name);
                const std::size_t after = end == std::string::npos ? end : html.find('>', pos + end);
                pos = after == std::string_view::npos ? html.size() : after + 1;
                continue;
            }
            tag(writer, inside, firstCell);
            continue;
        }
        if (isSpace(c)) {
            writer.space();
            ++pos;
            continue;
        }
        if (c == '&') {
            const std::size_t semicolon = html.find(';', pos);
            if (semicolon != std::string_view::npos && semicolon - pos <= 10) {
                const std::string character = entity(html.substr(pos + 1, semicolon - pos - 1));
                if (!character.empty()) {
                    writer.put(character);
                    pos = semicolon + 1;
                    continue;
                }
            }
        }
        writer.put(std::string_view(&html[pos], 1));
        ++pos;
    }
    return writer.finish();
}

}  // namespace platform::win32
