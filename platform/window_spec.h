#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Windows and dialogs are described as data: a window blueprint with a table of
// controls, laid out in dialog units (one horizontal unit is a quarter of the
// dialog font's average character width, one vertical unit an eighth of its
// height). Texts are UTF-8; "&" marks a mnemonic in the captions
// of buttons, radio buttons, check boxes and menu items.
//
// The keyboard, as dialogs on every desktop work:
// - Tab and Shift+Tab move the focus along the tab stops in table order, round
//   from the last to the first. Every enabled, shown control that takes the
//   focus (all but panels, labels, group boxes and bar charts) is a tab stop unless it
//   carries style::NoTabStop; radio buttons go by group.
// - A group of radio buttons is one tab stop, at its checked button (its
//   first when none is checked). The arrow keys move the focus and the check
//   to the next (Down, Right) or previous (Up, Left) enabled, shown button of
//   the group, round from the last to the first; the button sends its Command
//   as a click would.
// - Space clicks the focused button or check box, and Alt with a caption's
//   mnemonic clicks that control or opens that menu. Enter and Escape send
//   their commands (see window.h), except in an opened drop-down list, which
//   they close.

enum class ControlKind {
    Panel,  // a frame without text, drawn sunken (style::Sunken) or flat
    PushButton,
    Label,         // static text; no notifications
    ListBox,       // rows of text with tab stops, extended multiple selection
    TextBox,       // single-line text entry
    DropDownList,  // a closed list of entries to pick one from (not editable)
    RadioButton,   // checks itself and unchecks the rest of its group
    CheckBox,      // toggles itself
    GroupBox,      // a titled frame drawn behind the controls it surrounds
    BarChart,      // bars given as data (Windows::setChartBars), drawn over their labels; no notifications
};

// Style notes of a control, combined with "|". A note that does not apply to
// the control's kind is ignored.
namespace style {
inline constexpr unsigned None = 0;
inline constexpr unsigned AlignRight = 1u << 0;          // labels: text to the right
inline constexpr unsigned AlignCentre = 1u << 1;         // labels: text centred
inline constexpr unsigned CentreVertically = 1u << 2;    // labels: text in the vertical middle, else at the top
inline constexpr unsigned StaticEdge = 1u << 3;          // labels: a thin sunken edge
inline constexpr unsigned Sunken = 1u << 4;              // panels: a sunken edge
inline constexpr unsigned ReadOnly = 1u << 5;            // text boxes: shown, not typed into
inline constexpr unsigned Borderless = 1u << 6;          // text boxes: no frame
inline constexpr unsigned NoHorizontalScroll = 1u << 7;  // text boxes: typing stops when the box is full
inline constexpr unsigned GroupStart = 1u << 8;          // radio buttons: the first of a new group
inline constexpr unsigned NoTabStop = 1u << 9;           // all but radio buttons: Tab passes it by
inline constexpr unsigned DefaultButton = 1u << 10;      // push buttons: default look; Enter presses it
// Text boxes: the text is a path (Windows::setPathText, Windows::pathText),
// shown as the system names it.
inline constexpr unsigned HoldsPath = 1u << 11;
}  // namespace style

struct ControlSpec {
    ControlKind kind = ControlKind::Panel;
    std::string caption;                      // button, label, group box and check texts; "" for the others
    int id = -1;                              // the identifier commands carry; -1 for controls nobody addresses
    int x = 0, y = 0, width = 0, height = 0;  // dialog units from the top-left corner of the client area
    unsigned style = style::None;
    int maxLength = 0;  // text boxes: most characters the box holds; 0 = no limit
};

struct MenuItemSpec {
    std::string caption;
    int id = 0;  // the command the item sends
    bool enabled = true;
    bool separator = false;  // a separator line; caption and id unused
};

struct MenuSpec {
    std::string caption;
    std::vector<MenuItemSpec> items;
};

inline MenuItemSpec menuSeparator() {
    MenuItemSpec line;
    line.separator = true;
    return line;
}

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
};

enum class Placement {
    CentredOnScreen,
    FromOwnerClientArea,  // offsetX, offsetY from the top-left corner of the owner's client area
};

struct WindowSpec {
    std::string caption;
    int width = 0, height = 0;  // the client area (below any menu bar), dialog units
    Placement placement = Placement::CentredOnScreen;
    int offsetX = 0, offsetY = 0;       // dialog units, for Placement::FromOwnerClientArea
    bool minimiseBox = false;           // every window has a close box; none can be resized or maximised
    std::optional<Colour> background;   // the window's own background; controls keep theirs
    std::string icon;                   // name of the program's icon resource; "" = none
    std::vector<MenuSpec> menus;        // the menu bar, menus left to right; empty = no menu bar
    std::vector<ControlSpec> controls;  // in creation order, which is also the tab order
};

}  // namespace platform
