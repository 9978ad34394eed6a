#include "platform/win32_windows/control_styles.h"

namespace platform::win32 {

namespace {

bool has(const ControlSpec& blueprint, unsigned note) { return (blueprint.style & note) != 0; }

DWORD labelStyle(const ControlSpec& blueprint) {
    DWORD style = SS_NOPREFIX;  // a label shows "&" as it is
    if (has(blueprint, style::AlignCentre))
        style |= SS_CENTER;
    else if (has(blueprint, style::AlignRight))
        style |= SS_RIGHT;
    else
        style |= SS_LEFT;
    if (has(blueprint, style::CentreVertically)) style |= SS_CENTERIMAGE;
    return style;
}

DWORD textBoxStyle(const ControlSpec& blueprint) {
    DWORD style = ES_LEFT;
    if (!has(blueprint, style::NoHorizontalScroll)) style |= ES_AUTOHSCROLL;
    if (has(blueprint, style::ReadOnly)) style |= ES_READONLY;
    return style;
}

ControlStyle ofKind(const ControlSpec& blueprint) {
    switch (blueprint.kind) {
        case ControlKind::Panel: return {StaticClass, DWORD(has(blueprint, style::Sunken) ? SS_SUNKEN : SS_LEFT), 0};
        case ControlKind::PushButton:
            return {ButtonClass, DWORD(has(blueprint, style::DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
        case ControlKind::Label:
            return {StaticClass, labelStyle(blueprint),
                    DWORD(has(blueprint, style::StaticEdge) ? WS_EX_STATICEDGE : 0)};
        case ControlKind::ListBox:
            // Rows without data of their own, drawn from the program's rows when shown.
            return {ListBoxClass,
                    LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_USETABSTOPS | LBS_NODATA | LBS_OWNERDRAWFIXED |
                        LBS_DISABLENOSCROLL | WS_VSCROLL,
                    WS_EX_CLIENTEDGE};
        case ControlKind::TextBox:
            return {EditClass, textBoxStyle(blueprint),
                    DWORD(has(blueprint, style::Borderless) ? 0 : WS_EX_CLIENTEDGE)};
        case ControlKind::DropDownList: return {ComboBoxClass, CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL | WS_VSCROLL, 0};
        case ControlKind::RadioButton: return {ButtonClass, BS_AUTORADIOBUTTON, 0};
        case ControlKind::CheckBox: return {ButtonClass, BS_AUTOCHECKBOX, 0};
        case ControlKind::GroupBox: return {ButtonClass, BS_GROUPBOX, 0};
        case ControlKind::BarChart:
            return {StaticClass, SS_OWNERDRAW, 0};  // its window text is what screen readers tell
    }
    return {};
}

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Panel && kind != ControlKind::Label && kind != ControlKind::GroupBox &&
           kind != ControlKind::BarChart;
}

}  // namespace

std::vector<ControlStyle> controlStyles(const std::vector<ControlSpec>& controls) {
    std::vector<ControlStyle> styles;
    for (std::size_t at = 0; at < controls.size(); ++at) {
        const ControlSpec& blueprint = controls[at];
        ControlStyle control = ofKind(blueprint);
        control.style |= WS_CHILD | WS_VISIBLE;
        const bool radio = blueprint.kind == ControlKind::RadioButton;
        const bool continuesGroup =
            radio && at > 0 && controls[at - 1].kind == ControlKind::RadioButton && !has(blueprint, style::GroupStart);
        if (!continuesGroup) control.style |= WS_GROUP;
        const bool tabStop = radio ? !continuesGroup : takesFocus(blueprint.kind) && !has(blueprint, style::NoTabStop);
        if (tabStop) control.style |= WS_TABSTOP;
        styles.push_back(control);
    }
    return styles;
}

DWORD windowStyle(const WindowSpec& blueprint) {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
    if (blueprint.minimiseBox) style |= WS_MINIMIZEBOX;
    return style;
}

}  // namespace platform::win32
