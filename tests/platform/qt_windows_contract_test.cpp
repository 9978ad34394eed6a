// The window contract run against the Qt windows, acting with QTest on the
// real widgets.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/qt_windows.h"
#include "tests/platform/windows_contract.h"
#include "tests/support/typed_keys.h"

namespace {

using platform::WindowHandle;
using platform::qt::ListBoxView;
using platform::qt::QtWindow;

struct QtBackend {
    platform::qt::QtWindows qt;

    platform::Windows& windows() { return qt; }

    void run(const platform::WindowSpec& blueprint, WindowHandle owner, const platform::Handler& handler,
             const std::function<void(WindowHandle)>& whileShown) {
        qt.runWindow(blueprint, owner, [&](WindowHandle window, const platform::Message& message) {
            handler(window, message);
            if (message.kind != platform::MessageKind::Init || qt.find(window)->ended) return;
            QTimer::singleShot(0, [this, window, &whileShown] {
                if (qt.find(window) == nullptr) return;
                whileShown(window);
                qt.endWindow(window);
            });
        });
    }

    QtWindow& shown(WindowHandle window) const { return *qt.find(window); }
    ListBoxView* list(WindowHandle window, int id) const { return shown(window).control<ListBoxView>(id); }

    bool isShown(WindowHandle window) const { return qt.find(window) != nullptr && shown(window).isVisible(); }
    void click(WindowHandle window, int id) {
        QTest::mouseClick(shown(window).control(id), Qt::LeftButton, {}, QPoint(4, 4));
    }
    void chooseMenuItem(WindowHandle window, int command) { shown(window).menuItem(command)->trigger(); }
    void pressEnter(WindowHandle window) { QTest::keyClick(&shown(window), Qt::Key_Return); }
    void pressEscape(WindowHandle window) { QTest::keyClick(&shown(window), Qt::Key_Escape); }
    void closeBox(WindowHandle window) { shown(window).close(); }
    void typeKeys(WindowHandle window, int id, const std::string& keys) {
        typeCharacters(shown(window).control<QLineEdit>(id), platform::qt::toQt(keys));
    }
    void paste(WindowHandle window, int id, const std::string& text) {
        QGuiApplication::clipboard()->setText(platform::qt::toQt(text));
        QTest::keySequence(shown(window).control<QLineEdit>(id), QKeySequence::Paste);
    }
    void clickRow(WindowHandle window, int id, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ListBoxView* view = list(window, id);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(view->rows->index(row)).center());
    }
    void ctrlClickRow(WindowHandle window, int id, int row) { clickRow(window, id, row, Qt::ControlModifier); }
    // A double click is a click, then the second press.
    void doubleClickRow(WindowHandle window, int id, int row) {
        clickRow(window, id, row);
        ListBoxView* view = list(window, id);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->rows->index(row)).center());
    }
    std::vector<std::string> rowTexts(WindowHandle window, int id) const {
        const ListBoxView* view = list(window, id);
        std::vector<std::string> texts;
        for (int row = 0; row < view->rows->rowCount(); ++row)
            texts.push_back(platform::qt::fromQt(view->rows->data(view->rows->index(row), Qt::DisplayRole).toString()));
        return texts;
    }
    bool menuItemEnabled(WindowHandle window, int command) const {
        return shown(window).menuItem(command)->isEnabled();
    }
    std::string menuItemCaption(WindowHandle window, int command) const {
        return platform::qt::fromQt(shown(window).menuItem(command)->text());
    }
    std::string chartText(WindowHandle window, int id) const {
        return platform::qt::fromQt(shown(window).control(id)->accessibleDescription());
    }
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(QtContract, WindowsContract, QtBackend);
