#include "platform/qt_windows/qt_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "platform/qt_windows/control_widgets.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/radio_group.h"

namespace platform::qt {

namespace {

Qt::WindowFlags frameFlags(const WindowSpec& blueprint, bool owned) {
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (blueprint.minimiseBox) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

// Controls that draw on the window's background keep the toolkit's own colours.
bool paintsOwnBackground(ControlKind kind) {
    return kind == ControlKind::Panel || kind == ControlKind::Label || kind == ControlKind::RadioButton ||
           kind == ControlKind::CheckBox;
}

}  // namespace

QtWindow::QtWindow(const WindowSpec& blueprint, WindowHandle handle, Handler handler, QWidget* owner)
    : QDialog(owner, frameFlags(blueprint, owner != nullptr)),
      blueprint(blueprint),
      handle(handle),
      handler(std::move(handler)),
      units(DialogUnits::of(QApplication::font())) {
    setWindowTitle(toQt(blueprint.caption));
    const QString iconFile = QStringLiteral(":/icons/%1.png").arg(toQt(blueprint.icon));
    if (!blueprint.icon.empty() && QFile::exists(iconFile)) setWindowIcon(QIcon(iconFile));

    addMenuBar();
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const QSize clientSize(units.x(blueprint.width), units.y(blueprint.height));
    const auto* bar = findChild<QMenuBar*>();
    const int menuHeight = bar != nullptr ? bar->height() : 0;
    client->setGeometry(QRect(QPoint(0, menuHeight), clientSize));
    if (blueprint.background) {
        QPalette palette = client->palette();
        palette.setColor(QPalette::Window,
                         QColor(blueprint.background->red, blueprint.background->green, blueprint.background->blue));
        client->setPalette(palette);
        client->setAutoFillBackground(true);
    }
    addControls();
    setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
}

void QtWindow::addMenuBar() {
    if (blueprint.menus.empty()) return;
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    for (const MenuSpec& menuSpec : blueprint.menus) {
        QMenu* menu = bar->addMenu(toQt(menuSpec.caption));
        for (const MenuItemSpec& item : menuSpec.items) {
            if (item.separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(toQt(item.caption));
            action->setEnabled(item.enabled);
            connect(action, &QAction::triggered, this, [this, id = item.id] { send({MessageKind::Command, id}); });
            menuItems.emplace_back(item.id, action);
        }
    }
    bar->setGeometry(0, 0, units.x(blueprint.width), bar->sizeHint().height());
}

void QtWindow::addControls() {
    RadioGroup* radioGroup = nullptr;
    for (const ControlSpec& controlSpec : blueprint.controls) {
        QWidget* widget = makeControlWidget(controlSpec, units, client);
        if (blueprint.background) {
            QPalette own = QApplication::palette();
            own.setBrush(QPalette::Window, own.window());  // set explicitly, so not inherited from the client
            widget->setPalette(own);
            widget->setAutoFillBackground(paintsOwnBackground(controlSpec.kind));
        }
        if (auto* radio = dynamic_cast<QRadioButton*>(widget)) {
            if (radioGroup == nullptr || (controlSpec.style & style::GroupStart) != 0)
                radioGroup = new RadioGroup(this);
            radioGroup->add(radio);
        }
        connectNotifications(controlSpec, widget);
        controls.emplace_back(controlSpec.id, widget);
    }
}

void QtWindow::connectNotifications(const ControlSpec& controlSpec, QWidget* widget) {
    const int id = controlSpec.id;
    if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { send({MessageKind::Command, id}); });
    } else if (auto* box = dynamic_cast<QLineEdit*>(widget)) {
        connect(box, &QLineEdit::textEdited, this, [this, id] { send({MessageKind::TextEdited, id}); });
    } else if (auto* list = dynamic_cast<ListBoxView*>(widget)) {
        list->onSelectionChange = [this, id] { send({MessageKind::ListSelectionChange, id}); };
        list->onDoubleClick = [this, id] { send({MessageKind::ListDoubleClick, id}); };
        list->onTyped = [this, id](const QString& text, std::int64_t time) {
            send({MessageKind::ListTyped, id, fromQt(text), time});
        };
    }
}

void QtWindow::send(const Message& message) { handler(handle, message); }

QWidget* QtWindow::control(int id) const {
    for (const auto& [controlId, widget] : controls)
        if (controlId == id) return widget;
    return nullptr;
}

QAction* QtWindow::menuItem(int command) const {
    for (const auto& [itemCommand, item] : menuItems)
        if (itemCommand == command) return item;
    return nullptr;
}

void QtWindow::place(const QtWindow* owner) {
    if (blueprint.placement == Placement::FromOwnerClientArea && owner != nullptr) {
        move(owner->clientArea()->mapToGlobal(QPoint(0, 0)) +
             QPoint(units.x(blueprint.offsetX), units.y(blueprint.offsetY)));
        return;
    }
    const QScreen* shownOn = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect screen = shownOn->availableGeometry();
    move(screen.center() - QPoint(width() / 2, height() / 2));
}

int QtWindow::enterCommand() const {
    for (const auto& [id, widget] : controls) {
        const auto* button = dynamic_cast<const QPushButton*>(widget);
        if (button != nullptr && button->isDefault() && button->isEnabled() && button->isVisible()) return id;
    }
    return EnterCommand;
}

void QtWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        send({MessageKind::Command, enterCommand()});
    } else if (plain && event->key() == Qt::Key_Escape) {
        send({MessageKind::Command, EscapeCommand});
    } else {
        QDialog::keyPressEvent(event);
    }
}

void QtWindow::closeEvent(QCloseEvent* event) {
    // The handler decides; it ends the window through endWindow if it agrees.
    event->ignore();
    send({MessageKind::CloseRequest});
}

}  // namespace platform::qt
