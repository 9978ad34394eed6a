#pragma once

#include <string>

#include "platform/window_spec.h"

namespace platform {

// The frame of a dialog opened over the program's main window (record, find,
// print, reading statistics), without controls: owned by that window and
// placed 50 units right of and 5 units above the top-left corner of its
// client area.
inline WindowSpec dialogFrame(const std::string& caption, int width, int height) {
    WindowSpec blueprint;
    blueprint.caption = caption;
    blueprint.width = width;
    blueprint.height = height;
    blueprint.placement = Placement::FromOwnerClientArea;
    blueprint.offsetX = 50;
    blueprint.offsetY = -5;
    return blueprint;
}

}  // namespace platform
