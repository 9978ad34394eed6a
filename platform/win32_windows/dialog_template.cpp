#include "platform/win32_windows/dialog_template.h"

#include <string_view>

#include "platform/win32_windows/control_styles.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

struct TemplateWriter {
    std::vector<WORD> words;

    void word(int value) { words.push_back(static_cast<WORD>(value)); }
    void dword(DWORD value) {
        word(LOWORD(value));
        word(HIWORD(value));
    }
    void text(std::wstring_view value) {
        for (wchar_t unit : value) word(unit);
        word(0);
    }
    // Each item starts on a DWORD boundary.
    void alignToDword() {
        if (words.size() % 2 != 0) word(0);
    }
};

}  // namespace

std::vector<WORD> dialogTemplate(const WindowSpec& blueprint) {
    TemplateWriter out;
    out.dword(windowStyle(blueprint));
    out.dword(0);
    out.word(static_cast<int>(blueprint.controls.size()));
    for (int coordinate : {0, 0, blueprint.width, blueprint.height}) out.word(coordinate);
    out.word(0);  // no menu resource
    out.word(0);  // the dialog class
    out.text(toWide(blueprint.caption));
    out.word(8);
    out.text(L"MS Shell Dlg");

    const std::vector<ControlStyle> styles = controlStyles(blueprint.controls);
    for (std::size_t at = 0; at < blueprint.controls.size(); ++at) {
        const ControlSpec& control = blueprint.controls[at];
        out.alignToDword();
        out.dword(styles[at].style);
        out.dword(styles[at].extendedStyle);
        for (int coordinate : {control.x, control.y, control.width, control.height}) out.word(coordinate);
        out.word(control.id);
        out.word(0xFFFF);
        out.word(styles[at].windowClass);
        out.text(toWide(control.caption));
        out.word(0);  // no creation data
    }
    return out.words;
}

}  // namespace platform::win32
