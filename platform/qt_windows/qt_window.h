#pragma once

#include <QDialog>
#include <QAction>
#include <utility>
#include <vector>

#include "platform/qt_windows/dialog_units.h"
#include "platform/window.h"

namespace platform::qt {

// One window built from its blueprint: a fixed-size dialog holding an optional
// menu bar and, below it, the client area with the controls. It turns the
// toolkit's signals and events into messages for its handler.
class QtWindow final : public QDialog {
  public:
    QtWindow(const WindowSpec& blueprint, WindowHandle handle, Handler handler, QWidget* owner);

    void send(const Message& message);

    QWidget* control(int id) const;  // the first control with that identifier, or none
    template <typename Widget>
    Widget* control(int id) const {
        return dynamic_cast<Widget*>(control(id));
    }
    QAction* menuItem(int command) const;  // the first item sending the command, or none

    QWidget* clientArea() const { return client; }
    const DialogUnits& dialogUnits() const { return units; }

    // Centred on the screen, or at the blueprint's offset from the owner's client area.
    void place(const QtWindow* owner);

    bool ended = false;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void addMenuBar();
    void addControls();
    void connectNotifications(const ControlSpec& blueprint, QWidget* widget);
    int enterCommand() const;

    WindowSpec blueprint;
    WindowHandle handle;
    Handler handler;
    DialogUnits units;
    QWidget* client = nullptr;
    std::vector<std::pair<int, QAction*>> menuItems;  // command and item, in menu order
    std::vector<std::pair<int, QWidget*>> controls;   // identifier and widget, in creation order
};

}  // namespace platform::qt
