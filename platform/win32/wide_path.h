#pragma once

#include <string>

#include "platform/system_path.h"

namespace platform {

// The name a path has for the wide-character file calls: an absolute path
// too long for the plain form gets the "\\?\" prefix (and "\" for "/"), so
// that any path the system can name works; others are passed as they are.
std::wstring widePath(const SystemPath& path);

// A path the system returned in its "\\?\" form, as the user writes it.
SystemPath withoutLongPrefix(SystemPath path);

}  // namespace platform
