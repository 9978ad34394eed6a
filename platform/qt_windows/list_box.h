#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QListView>
#include <QStyledItemDelegate>
#include <functional>
#include <vector>

#include "platform/window.h"

namespace platform::qt {

// The rows of a list box, kept in a model. Each row holds only its number
// until the view first needs its text (to draw it, or to search the rows);
// the text read from the rows then is kept, so that tens of thousands of rows
// cost a few bytes each until they are seen.
class RowListModel final : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void replace(int row, const QString& text);
    // Replaces every row with those of `source`, which must outlive them.
    void setRows(const ListRows& source);

  private:
    // Each row's entry: its number in `source` (0 or more) while its text
    // has not been needed, else -1 - the place of its text in `texts`.
    mutable std::vector<int> rows;
    mutable std::vector<QString> texts;
    const ListRows* source = nullptr;
};

// Draws a row's tab-separated parts at the list's tab stops.
class TabbedRowDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::vector<int> tabStops;            // pixels from the text origin, ascending
    static constexpr int TextMargin = 2;  // pixels between the row's left edge and the text origin

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    // The width of a part in the item's font. Rows share many parts (the
    // mark, an author's several books), and measuring shapes the text anew:
    // widths are kept for the font they were measured in.
    int partWidth(const QStyleOptionViewItem& item, const QString& part) const;
    static constexpr qsizetype MostWidthsKept = 4096;
    mutable QFont widthsFont;
    mutable QHash<QString, int> widths;
};

// The list box: extended selection, a vertical scroll bar always shown, and
// one notification for each user action that changed the selection or the
// caret row. Changes made through code send nothing.
class ListBoxView final : public QListView {
  public:
    explicit ListBoxView(QWidget* parent);

    RowListModel* const rows;
    TabbedRowDelegate* const delegate;
    std::function<void()> onSelectionChange;
    std::function<void()> onDoubleClick;
    // Printable keys typed into the list, with the time they came in
    // milliseconds; they go here instead of the view's own search.
    std::function<void(const QString& text, std::int64_t time)> onTyped;

    int rowHeight() const;
    // Replaces every row with those of `source`, which must outlive them, and
    // lays them out at once when the list is on the screen: before anything
    // is selected, no row has a persistent index, and the toolkit's layout,
    // which looks each row up among them, passes every row without a search.
    void showRows(const ListRows& source);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Every row has the same height, so a changed text leaves the layout as
    // it is: the row is drawn again, without the toolkit's layout of every row.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) override;

  private:
    // Runs one user event through the list and notifies once if it changed the selection.
    void asUserAction(const std::function<void()>& action);
    bool inUserAction = false;
    bool selectionMoved = false;
    bool doubleClicked = false;
};

}  // namespace platform::qt
