#pragma once

#include <string>

namespace platform {

// A file or folder name as the system names it: on Linux the file system's
// own bytes, "/" separated, UTF-8 in practice. A path is not a catalogue
// text: it goes from the file dialogs, the start folder and the settings
// file to the file calls unchanged, so that any folder the system can name
// can hold a catalogue. It is shown through shownPath.
using SystemPath = std::string;

// The path as a text shows it (status field 1, messages): its own UTF-8,
// each byte that is not well-formed UTF-8 as U+FFFD.
std::string shownPath(const SystemPath& path);

}  // namespace platform
