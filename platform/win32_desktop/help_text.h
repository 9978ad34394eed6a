#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace platform::win32 {

// A help file's HTML as the plain text a read-only text box shows: headings,
// paragraphs, tables and lists each start a line of their own ("\r\n"
// between lines, a blank line around headings and paragraphs), list items
// begin with a bullet, table cells after a row's first with a tab, runs of
// white space become one space and the head is left out. Texts are
// UTF-8, as are the characters of entities ("&gt;", "&#233;").
struct HelpText {
    std::string text;
    // Where each anchor (<a name="...">, or any element's id) stands in the
    // text: the offset of the first character that follows it.
    std::map<std::string, std::size_t> anchors;
};

HelpText helpTextOf(std::string_view html);

}  // namespace platform::win32
