#pragma once

#include <compare>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

// A file or folder name as the system names it: on Linux the file system's
// own bytes, "/" separated, UTF-8 in practice; on Windows the UTF-8 form of
// the system's UTF-16 name (see win32/wide_text.h). A path is not a catalogue
// text: it goes from the file dialogs, the start folder and the settings
// file to the file calls unchanged, so that any folder the system can name
// can hold a catalogue. It turns into nothing else and nothing turns into it
// unnoticed: fromSystem and systemBytes name each crossing, and shownPath
// makes a text of it to show.
class SystemPath {
  public:
    SystemPath() = default;

    // The path the system names by these bytes.
    static SystemPath fromSystem(std::string bytes) {
        SystemPath path;
        path.bytes = std::move(bytes);
        return path;
    }

    // The bytes the system names it by, for the system's calls and the
    // files that keep a path (the settings file).
    const std::string& systemBytes() const { return bytes; }

    bool empty() const { return bytes.empty(); }

    friend bool operator==(const SystemPath&, const SystemPath&) = default;
    friend std::strong_ordering operator<=>(const SystemPath&, const SystemPath&) = default;

  private:
    std::string bytes;
};

// The path with `suffix`, bytes of the program's own (".bak", "share"),
// added at its end.
inline SystemPath withSuffix(const SystemPath& path, std::string_view suffix) {
    return SystemPath::fromSystem(path.systemBytes() + std::string(suffix));
}

// The path as a text shows it (status field 1, messages): its own UTF-8,
// each byte that is not well-formed UTF-8 as U+FFFD.
std::string shownPath(const SystemPath& path);

}  // namespace platform
