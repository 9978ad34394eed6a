#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One line of a help file's contents: a title at its depth in the contents
// tree (1 = top) and the anchor of its topic in the help file ("" for a
// heading that only groups the entries below it).
struct HelpContentsEntry {
    int level = 1;
    std::string title;
    std::string anchor;
    bool operator==(const HelpContentsEntry&) const = default;
};

struct HelpContents {
    std::string title;  // of the help window; "" when the file names none
    std::vector<HelpContentsEntry> entries;
};

// Reads a contents file: a ":Title <text>" line names the help window, other
// lines starting with ":" are ignored, and every "<level> <title>=<anchor>"
// line (or "<level> <title>" for a heading) adds an entry. An entry never lies
// more than one level below the one before it (the first one is at level 1),
// so that every entry has a parent to sit under; lines of any other form are
// skipped. Texts are UTF-8; "\r\n" and "\n" both end a line.
HelpContents parseHelpContents(std::string_view text);

}  // namespace platform
