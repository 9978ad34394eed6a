#pragma once

#include <map>

#include "platform/qt_windows/qt_window.h"
#include "platform/window.h"

namespace platform::qt {

// The windowing operations on Qt widgets. Needs a QApplication; every window
// uses the application's font, the desktop's default UI font.
class QtWindows final : public Windows {
  public:
    // The widget of a running window, or none.
    QtWindow* find(WindowHandle window) const;

    void runWindow(const WindowSpec& blueprint, WindowHandle owner, const Handler& handler) override;
    void endWindow(WindowHandle window) override;
    void setText(WindowHandle window, int id, const std::string& text) override;
    std::string text(WindowHandle window, int id) const override;
    void setPathText(WindowHandle window, int id, const SystemPath& path) override;
    SystemPath pathText(WindowHandle window, int id) const override;
    void setEnabled(WindowHandle window, int id, bool enabled) override;
    void setFocus(WindowHandle window, int id) override;
    void setDefaultButton(WindowHandle window, int id, bool isDefault) override;
    void setChecked(WindowHandle window, int id, bool checked) override;
    bool isChecked(WindowHandle window, int id) const override;
    void selectText(WindowHandle window, int id, int start, int end) override;
    void setListTabStops(WindowHandle window, int id, const std::vector<int>& stops) override;
    void setListRows(WindowHandle window, int id, const ListRows& rows) override;
    void setListRowText(WindowHandle window, int id, int row, const std::string& text) override;
    void setListRowSelected(WindowHandle window, int id, int row, bool selected) override;
    std::vector<int> selectedListRows(WindowHandle window, int id) const override;
    int listCaretRow(WindowHandle window, int id) const override;
    int listTopRow(WindowHandle window, int id) const override;
    void setListTopRow(WindowHandle window, int id, int row) override;
    void setListRedraw(WindowHandle window, int id, bool redraw) override;
    void addDropDownEntry(WindowHandle window, int id, const std::string& text) override;
    void selectDropDownEntry(WindowHandle window, int id, int entry) override;
    int selectedDropDownEntry(WindowHandle window, int id) const override;
    void setChartBars(WindowHandle window, int id, const std::vector<ChartBar>& bars) override;
    void setMenuItemEnabled(WindowHandle window, int command, bool enabled) override;
    void setMenuItemCaption(WindowHandle window, int command, const std::string& caption) override;

  private:
    template <typename Widget>
    Widget* control(WindowHandle window, int id) const {
        const QtWindow* found = find(window);
        return found != nullptr ? found->control<Widget>(id) : nullptr;
    }

    std::map<int, QtWindow*> running;
    int lastHandle = 0;
};

}  // namespace platform::qt
