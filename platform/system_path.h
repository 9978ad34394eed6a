#pragma once

#include <string>

#include "platform/cp1252.h"

namespace platform {

// A file or folder name as the system names it: on Linux the file system's
// own bytes, "/" separated, UTF-8 in practice. A path is not a catalogue
// text: it goes from the file dialogs, the start folder and the settings
// file to the file calls unchanged, so that any folder the system can name
// can hold a catalogue. It becomes Windows-1252 only to be shown, through
// shownPath.
using SystemPath = std::string;

// The path as a Windows-1252 text can show it (status field 1, messages):
// letters it cannot hold become the nearest ones it can, or "?".
inline std::string shownPath(const SystemPath& path) { return utf8ToNearestCp1252(path); }

}  // namespace platform
