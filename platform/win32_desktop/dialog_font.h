#pragma once

#include <windows.h>

namespace platform::win32 {

// The font of the windows built from blueprints, as the dialog manager makes
// it from their templates, and the width in pixels of four of its horizontal
// dialog units (its average character width).
struct DialogFont {
    LOGFONTW font{};
    int baseUnitX = 0;
};

DialogFont dialogFont();

}  // namespace platform::win32
