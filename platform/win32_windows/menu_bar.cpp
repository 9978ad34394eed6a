#include "platform/win32_windows/menu_bar.h"

#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

HMENU createMenuBar(const std::vector<MenuSpec>& menus) {
    if (menus.empty()) return nullptr;
    HMENU bar = CreateMenu();
    for (const MenuSpec& menuSpec : menus) {
        HMENU menu = CreatePopupMenu();
        for (const MenuItemSpec& item : menuSpec.items) {
            if (item.separator) {
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const UINT state = item.enabled ? MF_ENABLED : MF_GRAYED;
            AppendMenuW(menu, MF_STRING | state, static_cast<UINT_PTR>(item.id), toWide(item.caption).c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), toWide(menuSpec.caption).c_str());
    }
    return bar;
}

}  // namespace platform::win32
