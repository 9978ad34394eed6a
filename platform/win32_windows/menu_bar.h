#pragma once

#include <windows.h>

#include <vector>

#include "platform/window_spec.h"

namespace platform::win32 {

// The menu bar of the blueprint's menus, each item sending its command; none
// when there are no menus. The window it is given to destroys it.
HMENU createMenuBar(const std::vector<MenuSpec>& menus);

}  // namespace platform::win32
