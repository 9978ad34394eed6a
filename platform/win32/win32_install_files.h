#pragma once

#include "platform/system_path.h"

namespace platform {

// Sets the attributes of the file at path to normal (no hidden, system or
// read-only), so that removeIfPresent may then delete it. False when the
// file's attributes could not be changed (it is not there, or may not be).
bool clearAttributes(const SystemPath& path);

}  // namespace platform
