#include "mainwindow/main_window_layout.h"

#include "mainwindow/menus.h"

using platform::ControlKind;
namespace style = platform::style;

platform::WindowSpec mainWindowSpec() {
    // Everything derives from the client size 400 x 280: the toolbar panel is
    // 4 units narrower, the list sits at x 10, y 40 and is 25 units narrower
    // and 80 lower, its headers 10 units above it, the status row at y 240.
    constexpr unsigned button = style::NoTabStop;
    constexpr unsigned header = style::StaticEdge;
    platform::WindowSpec blueprint;
    blueprint.caption = "Quorvels - Lectorium";
    blueprint.width = 400;
    blueprint.height = 280;
    blueprint.placement = platform::Placement::CentredOnScreen;
    blueprint.minimiseBox = true;
    blueprint.background = platform::Colour{192, 255, 255};
    blueprint.icon = "PMR";
    blueprint.menus = mainMenuBar();
    blueprint.controls = {
        {ControlKind::Panel, "", ToolbarPanelId, 0, 0, 396, 22, style::Sunken},
        {ControlKind::PushButton, "Mark", MarkButtonId, 2, 2, 25, 18, button},
        {ControlKind::PushButton, "Case", CaseButtonId, 27, 2, 25, 18, button},
        {ControlKind::PushButton, "Sort", SortButtonId, 52, 2, 25, 18, button},
        {ControlKind::PushButton, "Print", PrintButtonId, 77, 2, 25, 18, button},
        {ControlKind::PushButton, "Data", DataButtonId, 110, 2, 25, 18, button},
        {ControlKind::PushButton, "Add", AddButtonId, 135, 2, 25, 18, button},
        {ControlKind::PushButton, "Edit", EditButtonId, 160, 2, 25, 18, button},
        {ControlKind::PushButton, "Find", FindButtonId, 193, 2, 25, 18, button},
        {ControlKind::PushButton, "List", ListButtonId, 218, 2, 25, 18, button},
        {ControlKind::PushButton, "Quit", QuitButtonId, 250, 2, 25, 18, button},
        {ControlKind::Panel, "", StatusPanelId, 0, 240, 190, 12, style::Sunken},
        {ControlKind::Panel, "", StatusPanelId, 190, 240, 80, 12, style::Sunken},
        {ControlKind::Panel, "", StatusPanelId, 270, 240, 60, 12, style::Sunken},
        {ControlKind::Panel, "", StatusPanelId, 330, 240, 66, 12, style::Sunken},
        {ControlKind::Label, "", statusLabelId(StatusField::File), 2, 242, 186, 9},
        {ControlKind::Label, "", statusLabelId(StatusField::View), 192, 242, 76, 9},
        {ControlKind::Label, "", statusLabelId(StatusField::Marks), 272, 242, 56, 9},
        {ControlKind::Label, "", statusLabelId(StatusField::Position), 332, 242, 60, 9},
        {ControlKind::ListBox, "", BookListId, 10, 40, 375, 200, style::NoTabStop},
        {ControlKind::Label, "x", -1, 10, 30, 10, 10, header | style::CentreVertically},
        {ControlKind::Label, "   Author", -1, 20, 30, 110, 10, header},
        {ControlKind::Label, "   Title", -1, 130, 30, 200, 10, header},
        {ControlKind::Label, "   Date", -1, 330, 30, 45, 10, header},
    };
    return blueprint;
}
