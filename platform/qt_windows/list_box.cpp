#include "platform/qt_windows/list_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <numeric>

#include "platform/qt_windows/qt_text.h"
#include "platform/tab_stops.h"

namespace platform::qt {

// ---- RowListModel ----

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

// The view asks for the index of every row when it lays them out: answered
// without the general checks through rowCount and columnCount.
QModelIndex RowListModel::index(int row, int column, const QModelIndex& parent) const {
    const bool exists = row >= 0 && row < static_cast<int>(rows.size()) && column == 0 && !parent.isValid();
    return exists ? createIndex(row, column) : QModelIndex();
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    int& entry = rows[index.row()];
    if (entry >= 0) {  // needed for the first time: kept from now on
        texts.push_back(toQt(source->text(entry)));
        entry = -static_cast<int>(texts.size());
    }
    return texts[-entry - 1];
}

void RowListModel::replace(int row, const QString& text) {
    texts.push_back(text);
    rows[row] = -static_cast<int>(texts.size());
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void RowListModel::setRows(const ListRows& rowSource) {
    beginResetModel();
    source = &rowSource;
    rows.resize(static_cast<std::size_t>(std::max(0, rowSource.count())));
    std::iota(rows.begin(), rows.end(), 0);
    texts.clear();
    endResetModel();
}

// ---- TabbedRowDelegate ----

void TabbedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* view = item.widget;
    QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);  // background, selection, focus frame

    const QStringList parts = text.split(QLatin1Char('\t'));
    // The last part's width moves nothing: it is not measured.
    std::vector<int> widths(static_cast<std::size_t>(parts.size()), 0);
    for (qsizetype part = 0; part + 1 < parts.size(); ++part)
        widths[static_cast<std::size_t>(part)] = partWidth(item, parts[part]);
    const std::vector<int> starts =
        tabbedPartStarts(widths, tabStops, item.fontMetrics.horizontalAdvance(QLatin1Char(' ')));

    painter->save();
    painter->setClipRect(item.rect);
    painter->setFont(item.font);
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int origin = item.rect.left() + TextMargin;
    const int baseline = item.rect.top() + item.fontMetrics.ascent();
    for (qsizetype part = 0; part < parts.size(); ++part)
        painter->drawText(QPoint(origin + starts[part], baseline), parts[part]);
    painter->restore();
}

int TabbedRowDelegate::partWidth(const QStyleOptionViewItem& item, const QString& part) const {
    if (item.font != widthsFont || widths.size() >= MostWidthsKept) {
        widths.clear();
        widthsFont = item.font;
    }
    const auto known = widths.constFind(part);
    if (known != widths.cend()) return *known;
    return *widths.insert(part, item.fontMetrics.horizontalAdvance(part));
}

QSize TabbedRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), option.fontMetrics.height()};
}

// ---- ListBoxView ----

ListBoxView::ListBoxView(QWidget* parent)
    : QListView(parent), rows(new RowListModel(this)), delegate(new TabbedRowDelegate(this)) {
    setModel(rows);
    setItemDelegate(delegate);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    // The bar stays in place, greyed while every row fits.
    verticalScrollBar()->setEnabled(false);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this,
            [this](int minimum, int maximum) { verticalScrollBar()->setEnabled(maximum > minimum); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { doubleClicked = true; });
}

int ListBoxView::rowHeight() const { return fontMetrics().height(); }

void ListBoxView::showRows(const ListRows& source) {
    rows->setRows(source);
    if (isVisible()) doItemsLayout();
}

void ListBoxView::asUserAction(const std::function<void()>& action) {
    if (inUserAction) return action();
    inUserAction = true;
    selectionMoved = false;
    action();
    inUserAction = false;
    if (selectionMoved && onSelectionChange) onSelectionChange();
}

void ListBoxView::mousePressEvent(QMouseEvent* event) {
    asUserAction([&] { QListView::mousePressEvent(event); });
}

void ListBoxView::mouseMoveEvent(QMouseEvent* event) {
    asUserAction([&] { QListView::mouseMoveEvent(event); });
}

void ListBoxView::mouseReleaseEvent(QMouseEvent* event) {
    asUserAction([&] { QListView::mouseReleaseEvent(event); });
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The selection the second click makes is reported before the double click.
    doubleClicked = false;
    asUserAction([&] { QListView::mouseDoubleClickEvent(event); });
    if (doubleClicked && onDoubleClick) onDoubleClick();
}

namespace {

// Text a key press types, as opposed to a key that moves, selects or
// commands: no control characters, no Ctrl, Alt or Meta held. A character
// beyond the Basic Multilingual Plane comes as its surrogate pair.
bool typesText(const QKeyEvent& event) {
    constexpr Qt::KeyboardModifiers commanding = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QList<uint> characters = event.text().toUcs4();
    return !characters.isEmpty() && (event.modifiers() & commanding) == 0 &&
           std::all_of(characters.begin(), characters.end(),
                       [](uint c) { return QChar::isPrint(static_cast<char32_t>(c)); });
}

}  // namespace

void ListBoxView::keyPressEvent(QKeyEvent* event) {
    if (typesText(*event) && onTyped) {
        // Timed on arrival: not every windowing system stamps its key events.
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        onTyped(event->text(), std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
        return;
    }
    asUserAction([&] { QListView::keyPressEvent(event); });
}

void ListBoxView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QListView::selectionChanged(selected, deselected);
    if (inUserAction) selectionMoved = true;
}

void ListBoxView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QListView::currentChanged(current, previous);
    if (inUserAction) selectionMoved = true;
}

void ListBoxView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);  // QListView's own would lay out every row again
}

}  // namespace platform::qt
