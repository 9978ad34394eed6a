#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/system_path.h"
#include "platform/window_spec.h"

namespace platform {

// Names one open window; the default value names none.
struct WindowHandle {
    int value = 0;
    explicit operator bool() const { return value != 0; }
    bool operator==(const WindowHandle&) const = default;
};

enum class MessageKind {
    Init,                 // the window and its controls exist; sent before it becomes visible
    Command,              // id: a push button, radio button or check box clicked, a menu item
                          // chosen, or EnterCommand / EscapeCommand
    ListSelectionChange,  // id: the user changed a list's selection or caret row
    ListDoubleClick,      // id: the user double-clicked a list row
    ListTyped,            // id: the user typed `text` while the list had the keyboard focus; the
                          // list itself does nothing with it (no search of its own)
    TextEdited,           // id: the user changed a text box (never sent for setText)
    CloseRequest,         // the close box (or its key); the window stays open unless the handler ends it
    Destroy,              // the window has been ended and is about to go; the last message
};

struct Message {
    MessageKind kind;
    int id = 0;  // the control or command, where the kind has one
    // ListTyped: the characters typed (Windows-1252; no control characters),
    // and when, in milliseconds of a clock that only goes forward.
    std::string text = {};
    std::int64_t time = 0;
};

// Enter sends the command of the enabled push button that has the default
// look, else EnterCommand; Escape always sends EscapeCommand.
inline constexpr int EnterCommand = 1;
inline constexpr int EscapeCommand = 2;

// One handler per window receives all its messages; it may open further
// modal windows while it runs.
using Handler = std::function<void(WindowHandle, const Message&)>;

// Windows built from blueprints, and the operations on their controls. Controls
// are addressed by their identifier (the first control carrying it). Texts are
// Windows-1252 bytes. List rows, drop-down entries and text positions count
// from 0; menus and their items count from 1, separators included. A row or
// entry that does not exist is ignored. Changes made through these operations
// never send notifications.
struct Windows {
    virtual ~Windows() = default;

    // Creates the window and its controls, sends Init, shows it and runs it
    // until endWindow; then sends Destroy and returns. While it runs, its owner
    // (none for a main window) takes no input. Calls nest.
    virtual void runWindow(const WindowSpec& blueprint, WindowHandle owner, const Handler& handler) = 0;
    virtual void endWindow(WindowHandle window) = 0;

    // Captions and texts: labels, buttons, check boxes, radio buttons, group
    // boxes and text boxes (a text box keeps at most its maximum length).
    virtual void setText(WindowHandle window, int id, const std::string& text) = 0;
    virtual std::string text(WindowHandle window, int id) const = 0;
    // Text boxes that hold a path (style::HoldsPath) instead of a text.
    virtual void setPathText(WindowHandle window, int id, const SystemPath& path) = 0;
    virtual SystemPath pathText(WindowHandle window, int id) const = 0;
    // Any control.
    virtual void setEnabled(WindowHandle window, int id, bool enabled) = 0;
    virtual void setVisible(WindowHandle window, int id, bool visible) = 0;
    virtual void setFocus(WindowHandle window, int id) = 0;

    // Push buttons: the default look (a heavier frame; Enter presses it).
    virtual void setDefaultButton(WindowHandle window, int id, bool isDefault) = 0;

    // Check boxes and radio buttons. Checking a radio button unchecks the rest of its group.
    virtual void setChecked(WindowHandle window, int id, bool checked) = 0;
    virtual bool isChecked(WindowHandle window, int id) const = 0;

    // Text boxes: selects characters start to end (end excluded); the caret goes to end.
    virtual void selectText(WindowHandle window, int id, int start, int end) = 0;

    // List boxes. Tab characters in a row move on to the next tab stop,
    // given in dialog units from the list's left edge.
    virtual void setListTabStops(WindowHandle window, int id, const std::vector<int>& stops) = 0;
    virtual void clearList(WindowHandle window, int id) = 0;
    virtual void appendListRow(WindowHandle window, int id, const std::string& text) = 0;
    // Replaces every row, as clearing the list and appending `count` rows
    // would, but asks `rowText` (with the row number) for a row's text only
    // when the list first needs it: to draw the row, to search the rows, or to
    // answer for it; the text is kept from then on. `rowText` must stay valid
    // while these rows are shown.
    virtual void setListRows(WindowHandle window, int id, int count, std::function<std::string(int row)> rowText) = 0;
    // Replaces the text of one row; the row keeps its selection.
    virtual void setListRowText(WindowHandle window, int id, int row, const std::string& text) = 0;
    // Rows at and after `row` move down; the new row is not selected.
    virtual void insertListRow(WindowHandle window, int id, int row, const std::string& text) = 0;
    virtual void deleteListRow(WindowHandle window, int id, int row) = 0;
    virtual int listRowCount(WindowHandle window, int id) const = 0;
    // Adds the row to the selection (which makes it the caret row and scrolls
    // it into view) or takes it out; other rows keep their state.
    virtual void setListRowSelected(WindowHandle window, int id, int row, bool selected) = 0;
    virtual std::vector<int> selectedListRows(WindowHandle window, int id) const = 0;  // ascending
    virtual int listCaretRow(WindowHandle window, int id) const = 0;  // -1 when the list is empty
    virtual int listTopRow(WindowHandle window, int id) const = 0;
    virtual void setListTopRow(WindowHandle window, int id, int row) = 0;
    // Off while many rows change, so the list is drawn once afterwards.
    virtual void setListRedraw(WindowHandle window, int id, bool redraw) = 0;

    // Drop-down lists. Entry -1 is no selection.
    virtual void addDropDownEntry(WindowHandle window, int id, const std::string& text) = 0;
    virtual void selectDropDownEntry(WindowHandle window, int id, int entry) = 0;
    virtual int selectedDropDownEntry(WindowHandle window, int id) const = 0;

    // Menu items, by the 1-based position of the menu in the bar and of the
    // item in its menu. An item keeps its command when its caption changes.
    virtual void setMenuItemEnabled(WindowHandle window, int menu, int position, bool enabled) = 0;
    virtual void setMenuItemCaption(WindowHandle window, int menu, int position, const std::string& caption) = 0;
};

}  // namespace platform
