#pragma once

#include <windows.h>

#include <vector>

#include "platform/window_spec.h"

namespace platform::win32 {

// The blueprint as an in-memory dialog template (DLGTEMPLATE followed by one
// DLGITEMTEMPLATE per control), in dialog units of "MS Shell Dlg" 8 point,
// for DialogBoxIndirectParamW. The menu bar, icon and placement are not in
// it: the window takes them once it exists.
std::vector<WORD> dialogTemplate(const WindowSpec& blueprint);

}  // namespace platform::win32
