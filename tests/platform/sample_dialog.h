#pragma once

#include "platform/window_spec.h"

// A dialog with one control of each kind the programs use, and a menu.
inline platform::WindowSpec sampleDialog() {
    using platform::ControlKind;
    namespace style = platform::style;
    platform::WindowSpec blueprint;
    blueprint.caption = "Sample \u2013 dialog";  // an en dash
    blueprint.width = 300;
    blueprint.height = 150;
    blueprint.controls = {
        {ControlKind::GroupBox, "Group", -1, 2, 2, 296, 146},
        {ControlKind::TextBox, "", 11, 5, 5, 100, 12, style::None, 6},
        {ControlKind::ListBox, "", 12, 5, 20, 290, 60},
        {ControlKind::DropDownList, "", 13, 110, 5, 80, 60},
        {ControlKind::RadioButton, "One", 21, 5, 85, 60, 10, style::GroupStart},
        {ControlKind::RadioButton, "Two", 22, 5, 95, 60, 10},
        {ControlKind::RadioButton, "Small", 23, 70, 85, 60, 10, style::GroupStart},
        {ControlKind::RadioButton, "Large", 24, 70, 95, 60, 10},
        {ControlKind::CheckBox, "Keep", 25, 140, 85, 60, 10},
        {ControlKind::PushButton, "&Go", 30, 5, 120, 50, 20, style::DefaultButton},
        {ControlKind::PushButton, "&Cancel", platform::EscapeCommand, 60, 120, 50, 20},
        {ControlKind::Label, "R&D", 41, 200, 5, 40, 10, style::AlignRight | style::StaticEdge},
    };
    blueprint.menus = {{"&File", {{"&Open", 101}, platform::menuSeparator(), {"E&xit", 105, false}}}};
    return blueprint;
}
