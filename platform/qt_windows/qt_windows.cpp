#include "platform/qt_windows/qt_windows.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt_windows/bar_chart.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/text_box_validator.h"

namespace platform::qt {

QtWindow* QtWindows::find(WindowHandle window) const {
    const auto found = running.find(window.value);
    return found != running.end() ? found->second : nullptr;
}

void QtWindows::runWindow(const WindowSpec& blueprint, WindowHandle owner, const Handler& handler) {
    QtWindow* ownerWindow = find(owner);
    const WindowHandle handle{++lastHandle};
    QtWindow window(blueprint, handle, handler, ownerWindow);
    running[handle.value] = &window;
    struct Forget {
        std::map<int, QtWindow*>& running;
        int handle;
        ~Forget() { running.erase(handle); }
    } forget{running, handle.value};

    window.send({MessageKind::Init});
    if (!window.ended) {
        window.place(ownerWindow);
        window.exec();
    }
    window.send({MessageKind::Destroy});
}

void QtWindows::endWindow(WindowHandle handle) {
    if (QtWindow* window = find(handle)) {
        window->ended = true;
        window->done(0);
    }
}

void QtWindows::setText(WindowHandle window, int id, const std::string& text) {
    const QString shown = toQt(text);
    if (auto* label = control<QLabel>(window, id))
        label->setText(shown);
    else if (auto* button = control<QAbstractButton>(window, id))
        button->setText(shown);
    else if (auto* box = control<QLineEdit>(window, id))
        setTextBoxText(box, shown);
    else if (auto* group = control<QGroupBox>(window, id))
        group->setTitle(shown);
}

std::string QtWindows::text(WindowHandle window, int id) const {
    if (const auto* label = control<QLabel>(window, id)) return fromQt(label->text());
    if (const auto* button = control<QAbstractButton>(window, id)) return fromQt(button->text());
    if (const auto* box = control<QLineEdit>(window, id)) return fromQt(box->text());
    if (const auto* group = control<QGroupBox>(window, id)) return fromQt(group->title());
    return {};
}

void QtWindows::setPathText(WindowHandle window, int id, const SystemPath& path) {
    if (auto* box = control<QLineEdit>(window, id)) setTextBoxText(box, toQtPath(path));
}

SystemPath QtWindows::pathText(WindowHandle window, int id) const {
    const auto* box = control<QLineEdit>(window, id);
    return box != nullptr ? fromQtPath(box->text()) : SystemPath();
}

void QtWindows::setEnabled(WindowHandle window, int id, bool enabled) {
    if (auto* widget = control<QWidget>(window, id)) widget->setEnabled(enabled);
}

void QtWindows::setFocus(WindowHandle window, int id) {
    if (auto* widget = control<QWidget>(window, id)) widget->setFocus();
}

void QtWindows::setDefaultButton(WindowHandle window, int id, bool isDefault) {
    if (auto* button = control<QPushButton>(window, id)) button->setDefault(isDefault);
}

void QtWindows::setChecked(WindowHandle window, int id, bool checked) {
    auto* button = control<QAbstractButton>(window, id);
    if (button == nullptr) return;
    // An exclusive group would refuse to uncheck its checked button.
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive && !checked) group->setExclusive(false);
    button->setChecked(checked);
    if (exclusive && !checked) group->setExclusive(true);
}

bool QtWindows::isChecked(WindowHandle window, int id) const {
    const auto* button = control<QAbstractButton>(window, id);
    return button != nullptr && button->isChecked();
}

void QtWindows::selectText(WindowHandle window, int id, int start, int end) {
    auto* box = control<QLineEdit>(window, id);
    if (box == nullptr) return;
    // Positions count bytes of the UTF-8 text; the box counts UTF-16 units.
    const std::string text = fromQt(box->text());
    const auto unitAt = [&](int byte) {
        return static_cast<int>(
            utf16Length(std::string_view(text).substr(0, static_cast<std::size_t>(std::max(0, byte)))));
    };
    const int from = unitAt(start);
    box->setSelection(from, std::max(0, unitAt(end) - from));
}

// ---- list boxes ----

void QtWindows::setListTabStops(WindowHandle window, int id, const std::vector<int>& stops) {
    auto* list = control<ListBoxView>(window, id);
    if (list == nullptr) return;
    const DialogUnits& units = find(window)->dialogUnits();
    list->delegate->tabStops.clear();
    for (int stop : stops) list->delegate->tabStops.push_back(units.x(stop));
    std::sort(list->delegate->tabStops.begin(), list->delegate->tabStops.end());
    list->viewport()->update();
}

void QtWindows::setListRows(WindowHandle window, int id, const ListRows& rows) {
    if (auto* list = control<ListBoxView>(window, id)) list->showRows(rows);
}

void QtWindows::setListRowText(WindowHandle window, int id, int row, const std::string& text) {
    auto* list = control<ListBoxView>(window, id);
    if (list != nullptr && row >= 0 && row < list->rows->rowCount()) list->rows->replace(row, toQt(text));
}

void QtWindows::setListRowSelected(WindowHandle window, int id, int row, bool selected) {
    auto* list = control<ListBoxView>(window, id);
    if (list == nullptr || row < 0 || row >= list->rows->rowCount()) return;
    const QModelIndex index = list->rows->index(row);
    if (!selected) {
        list->selectionModel()->select(index, QItemSelectionModel::Deselect);
        return;
    }
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
    list->scrollTo(index);
}

std::vector<int> QtWindows::selectedListRows(WindowHandle window, int id) const {
    std::vector<int> rows;
    if (const auto* list = control<ListBoxView>(window, id))
        for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int QtWindows::listCaretRow(WindowHandle window, int id) const {
    const auto* list = control<ListBoxView>(window, id);
    if (list == nullptr || list->rows->rowCount() == 0) return -1;
    const QModelIndex current = list->currentIndex();
    return current.isValid() ? current.row() : 0;
}

int QtWindows::listTopRow(WindowHandle window, int id) const {
    const auto* list = control<ListBoxView>(window, id);
    return list != nullptr ? list->verticalScrollBar()->value() : -1;
}

void QtWindows::setListTopRow(WindowHandle window, int id, int row) {
    auto* list = control<ListBoxView>(window, id);
    if (list == nullptr || row < 0 || row >= list->rows->rowCount()) return;
    list->scrollTo(list->rows->index(row), QAbstractItemView::PositionAtTop);
}

void QtWindows::setListRedraw(WindowHandle window, int id, bool redraw) {
    if (auto* list = control<ListBoxView>(window, id)) list->setUpdatesEnabled(redraw);
}

// ---- drop-down lists ----

void QtWindows::addDropDownEntry(WindowHandle window, int id, const std::string& text) {
    auto* list = control<QComboBox>(window, id);
    if (list == nullptr) return;
    // The toolkit would select the first entry added; an added entry selects nothing.
    const int selected = list->currentIndex();
    list->addItem(toQt(text));
    list->setCurrentIndex(selected);
}

void QtWindows::selectDropDownEntry(WindowHandle window, int id, int entry) {
    auto* list = control<QComboBox>(window, id);
    if (list != nullptr && entry >= -1 && entry < list->count()) list->setCurrentIndex(entry);
}

int QtWindows::selectedDropDownEntry(WindowHandle window, int id) const {
    const auto* list = control<QComboBox>(window, id);
    return list != nullptr ? list->currentIndex() : -1;
}

// ---- bar charts ----

void QtWindows::setChartBars(WindowHandle window, int id, const std::vector<ChartBar>& bars) {
    if (auto* chart = control<BarChartView>(window, id)) chart->setBars(bars);
}

// ---- menus ----

void QtWindows::setMenuItemEnabled(WindowHandle window, int command, bool enabled) {
    const QtWindow* found = find(window);
    if (QAction* item = found != nullptr ? found->menuItem(command) : nullptr) item->setEnabled(enabled);
}

void QtWindows::setMenuItemCaption(WindowHandle window, int command, const std::string& caption) {
    const QtWindow* found = find(window);
    if (QAction* item = found != nullptr ? found->menuItem(command) : nullptr) item->setText(toQt(caption));
}

}  // namespace platform::qt
