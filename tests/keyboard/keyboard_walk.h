#pragma once

// Walks a window with the keyboard alone, as a user who cannot use a mouse
// does: Tab and Shift+Tab through its tab stops, the keys that change each
// stop (the arrows in a radio group, Space on a check box, Alt+Down and
// Down on a drop-down list), then the keys that close it. Controls are named
// by their identifier, a message box's buttons by their text.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/when_modal.h"

namespace keyboard {

using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;

// A key as the keyboard delivers it: to the open menu or list, else to the
// window with the focus, through the shortcuts and on to the focused control.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

inline void press(const Keys& keys) {
    for (const auto& [key, modifiers] : keys) press(key, modifiers);
}

// A control as the walks name it: its identifier, or the text of a message
// box's button.
inline std::string nameOf(const QWidget* control) {
    if (control == nullptr) return "(no focus)";
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const QString name = button != nullptr && control->objectName().isEmpty() ? button->text() : control->objectName();
    return name.toStdString();
}

inline std::string focused() { return nameOf(QApplication::focusWidget()); }

using Names = std::vector<std::string>;

inline Names ids(std::initializer_list<int> identifiers) {
    Names names;
    for (int id : identifiers) names.push_back(std::to_string(id));
    return names;
}

// The arrow keys move the check round the focused button's group, and the
// focus with it: Down and Right on, Up and Left back. Tab leaves the group
// and Shift+Tab comes back to the button now checked.
inline void arrowsMoveTheCheck(QRadioButton* start) {
    const QList<QAbstractButton*> group = start->group()->buttons();
    const auto expectOnBy = [&](qsizetype step) {
        const QAbstractButton* button = group[(group.indexOf(start) + step) % group.size()];
        EXPECT_TRUE(button->isChecked()) << nameOf(button);
        EXPECT_EQ(focused(), nameOf(button));
    };
    expectOnBy(0);
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    expectOnBy(1);
    press(Qt::Key_Right);
    expectOnBy(2);
    press(Qt::Key_Up);
    expectOnBy(1);
    press(Qt::Key_Left);
    expectOnBy(0);
}

// Alt+Down opens the list and Escape closes it, the window staying open;
// Down on the closed list picks the next entry.
inline void theListOpensAndSteps(QComboBox* list) {
    press(Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(list->view()->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_TRUE(list->window()->isVisible());
    const int before = list->currentIndex();
    press(Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), before + 1);
}

inline void spaceToggles(QCheckBox* box) {
    const bool before = box->isChecked();
    press(Qt::Key_Space);
    EXPECT_NE(box->isChecked(), before);
    press(Qt::Key_Space);
    EXPECT_EQ(box->isChecked(), before);
}

// Tab from the focused control visits `stops` and comes round to the first
// again, trying at each stop the keys that change it; Shift+Tab goes back.
inline void walkTabStops(const Names& stops) {
    ASSERT_EQ(focused(), stops.front());
    for (std::size_t stop = 1; stop <= stops.size(); ++stop) {
        QWidget* control = QApplication::focusWidget();
        if (auto* radio = qobject_cast<QRadioButton*>(control)) arrowsMoveTheCheck(radio);
        if (auto* box = qobject_cast<QCheckBox*>(control)) spaceToggles(box);
        if (auto* list = qobject_cast<QComboBox*>(control)) theListOpensAndSteps(list);
        press(Qt::Key_Tab);
        EXPECT_EQ(focused(), stops[stop % stops.size()]) << "Tab after " << stops[stop - 1];
    }
    for (std::size_t stop = stops.size(); stop-- > 0;) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), stops[stop]) << "Shift+Tab";
    }
}

// One window as a keyboard user meets it: Tab walks `stops` from the
// control with the focus when it opens, then `closing` ends it.
struct Walk {
    Names stops;
    Keys closing;
};

// Expects `walks[next]` and those after it to come up, each once the one
// before has closed, over the modal window `under`; `waiting` is the poll
// for the one that is to come next.
inline void expectWalks(const std::vector<Walk>& walks, std::size_t next, const QWidget* under, std::size_t& walked,
                        QPointer<QTimer>& waiting) {
    if (next == walks.size()) return;
    waiting = whenModal<QDialog>(
        [&walks, next, under, &walked, &waiting](QDialog& window) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
            walkTabStops(walks[next].stops);
            press(walks[next].closing);
            if (!QTest::qWaitFor([&] { return !window.isVisible(); }, 30000)) {
                ADD_FAILURE() << "the window with " << walks[next].stops.front() << " stays open";
                window.close();
                return;
            }
            ++walked;
            expectWalks(walks, next + 1, under, walked, waiting);
        },
        under);
}

// What the user does to bring the windows up, returning once they have
// closed, and the walks of the windows, in the order they come up.
struct Visit {
    std::function<void()> open;
    std::vector<Walk> walks;
};

inline void visit(const Visit& visit) {
    std::size_t walked = 0;
    QPointer<QTimer> waiting;
    expectWalks(visit.walks, 0, QApplication::activeModalWidget(), walked, waiting);
    visit.open();
    delete waiting;  // a window that did not come up is not waited for any longer
    EXPECT_EQ(walked, visit.walks.size());
}

}  // namespace keyboard
