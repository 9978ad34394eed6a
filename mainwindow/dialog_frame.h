#pragma once

#include <string>

#include "platform/window_spec.h"

// The frame of the dialogs the main window opens (record, find and print),
// without controls: owned by the main window and placed 50 units right of and
// 5 units above the top-left corner of its client area.
inline platform::WindowSpec dialogFrame(const std::string& caption, int width, int height) {
    platform::WindowSpec blueprint;
    blueprint.caption = caption;
    blueprint.width = width;
    blueprint.height = height;
    blueprint.placement = platform::Placement::FromOwnerClientArea;
    blueprint.offsetX = 50;
    blueprint.offsetY = -5;
    return blueprint;
}
