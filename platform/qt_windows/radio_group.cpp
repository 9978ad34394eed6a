#include "platform/qt_windows/radio_group.h"

#include <QKeyEvent>

namespace platform::qt {

namespace {

// +1 for Down and Right, -1 for Up and Left, 0 for any other key or with a modifier.
int arrowStep(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return 0;
    switch (key.key()) {
        case Qt::Key_Down:
        case Qt::Key_Right: return 1;
        case Qt::Key_Up:
        case Qt::Key_Left: return -1;
        default: return 0;
    }
}

}  // namespace

RadioGroup::RadioGroup(QObject* owner) : QButtonGroup(owner) {
    connect(this, &QButtonGroup::buttonToggled, this, &RadioGroup::placeTabStop);
}

void RadioGroup::add(QRadioButton* button) {
    addButton(button);
    button->installEventFilter(this);
    placeTabStop();
}

// Qt hands the tab stop to whichever button of the group takes the focus,
// also one pressed and let go elsewhere; it goes back to the checked one when
// the focus leaves.
bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) placeTabStop();
    if (event->type() != QEvent::KeyPress) return false;
    const int by = arrowStep(*static_cast<QKeyEvent*>(event));
    if (by == 0) return false;
    step(static_cast<QAbstractButton*>(watched), by);
    return true;
}

void RadioGroup::placeTabStop() {
    const QList<QAbstractButton*> members = buttons();
    QAbstractButton* stop = checkedButton() != nullptr ? checkedButton() : members.value(0);
    for (QAbstractButton* button : members) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroup::step(QAbstractButton* from, int by) {
    const QList<QAbstractButton*> members = buttons();
    const qsizetype count = members.size();
    for (qsizetype distance = 1; distance < count; ++distance) {
        QAbstractButton* next = members[((members.indexOf(from) + by * distance) % count + count) % count];
        if (!next->isEnabled() || !next->isVisible()) continue;
        next->setFocus(by > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        next->click();
        return;
    }
}

}  // namespace platform::qt
