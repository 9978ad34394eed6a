#pragma once

#include <string>
#include <string_view>

#include "platform/system_path.h"

namespace platform {

// A SystemPath on Windows holds the system's UTF-16 name as WTF-8: UTF-8 in
// which an unpaired surrogate is encoded like any other character, so every
// name the system gives comes back to it unchanged.

// The UTF-16 name of a path. Bytes that are not well-formed (WTF-8) become
// U+FFFD each, as the system's own UTF-8 conversion would.
std::wstring wideFromPath(std::string_view path);
inline std::wstring wideFromPath(const SystemPath& path) { return wideFromPath(std::string_view(path.systemBytes())); }

// The path holding a UTF-16 name, unpaired surrogates included.
SystemPath pathFromWide(std::wstring_view wide);

}  // namespace platform
