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
    // ListTyped: the characters typed (UTF-8; no control characters),
    // and when, in milliseconds of a clock that only goes forward.
    std::string text = {};
    std::int64_t time = 0;
};

// Enter sends the command of the enabled push button that has the default
// look, else EnterCommand; Escape always sends EscapeCommand.
inline constexpr int EnterCommand = 1;
inline constexpr int EscapeCommand = 2;

// The rows a list box shows, by row number from 0. A list reads a row's text
// only when it needs it (to draw the row, to search the rows, or to answer
// for it); whether it then keeps the text or reads it again is the list's own
// affair, so the rows must stay valid, and give the same text for a row,
// while the list shows them.
struct ListRows {
    virtual ~ListRows() = default;
    virtual int count() const = 0;
    virtual std::string text(int row) const = 0;
};

// One bar of a bar chart: the text under it and its height as a count.
struct ChartBar {
    std::string label;  // UTF-8
    int value = 0;      // 0 or more
    bool operator==(const ChartBar&) const = default;
};

// One handler per window receives all its messages; it may open further
// modal windows while it runs.
using Handler = std::function<void(WindowHandle, const Message&)>;

// Windows built from blueprints, and the operations on their controls. Controls
// are addressed by their identifier (the first control carrying it), menu
// items by their command (the first item sending it). Texts are UTF-8, of any
// script. List rows, drop-down entries and text positions count from 0; a
// position in a text counts its bytes and lies between characters.
// Changes made through these operations never send notifications.
//
// An operation on an identifier or command that nothing in the window carries,
// or on a row or entry that does not exist, is ignored, and a read of one
// answers "", false, -1 or no rows: as a toolkit's look-up of a missing
// control answers, so every implementation answers alike. Using an operation
// on a kind of control it does not name is a mistake in the program, which an
// implementation may refuse.
struct Windows {
    virtual ~Windows() = default;

    // Creates the window and its controls, sends Init, shows it and runs it
    // until endWindow; then sends Destroy and returns. While it runs, its owner
    // (none for a main window) takes no input. Calls nest.
    virtual void runWindow(const WindowSpec& blueprint, WindowHandle owner, const Handler& handler) = 0;
    virtual void endWindow(WindowHandle window) = 0;

    // Captions and texts: labels, buttons, check boxes, radio buttons, group
    // boxes and text boxes (a text box keeps at most its maximum length, in
    // characters).
    virtual void setText(WindowHandle window, int id, const std::string& text) = 0;
    virtual std::string text(WindowHandle window, int id) const = 0;
    // Text boxes that hold a path (style::HoldsPath) instead of a text.
    virtual void setPathText(WindowHandle window, int id, const SystemPath& path) = 0;
    virtual SystemPath pathText(WindowHandle window, int id) const = 0;
    // Any control.
    virtual void setEnabled(WindowHandle window, int id, bool enabled) = 0;
    virtual void setFocus(WindowHandle window, int id) = 0;

    // Push buttons: the default look (a heavier frame; Enter presses it).
    virtual void setDefaultButton(WindowHandle window, int id, bool isDefault) = 0;

    // Check boxes and radio buttons. Checking a radio button unchecks the rest of its group.
    virtual void setChecked(WindowHandle window, int id, bool checked) = 0;
    virtual bool isChecked(WindowHandle window, int id) const = 0;

    // Text boxes: selects the bytes start to end (end excluded); the caret goes to end.
    virtual void selectText(WindowHandle window, int id, int start, int end) = 0;

    // List boxes. Tab characters in a row move on to the next tab stop,
    // given in dialog units from the list's left edge.
    virtual void setListTabStops(WindowHandle window, int id, const std::vector<int>& stops) = 0;
    // Replaces every row with the rows' count() rows, none selected. Where
    // the top row then stands differs between toolkits (some keep the scroll
    // position, some go to the top): a caller that needs one sets it.
    virtual void setListRows(WindowHandle window, int id, const ListRows& rows) = 0;
    // Replaces the text of one row, which must be the text the rows now give
    // for it; the row keeps its selection.
    virtual void setListRowText(WindowHandle window, int id, int row, const std::string& text) = 0;
    // Adds the row to the selection (which makes it the caret row and scrolls
    // it into view) or takes it out; other rows keep their state.
    virtual void setListRowSelected(WindowHandle window, int id, int row, bool selected) = 0;
    virtual std::vector<int> selectedListRows(WindowHandle window, int id) const = 0;  // ascending
    virtual int listCaretRow(WindowHandle window, int id) const = 0;                   // -1 when the list is empty
    virtual int listTopRow(WindowHandle window, int id) const = 0;
    virtual void setListTopRow(WindowHandle window, int id, int row) = 0;
    // Off while many rows change, so the list is drawn once afterwards.
    virtual void setListRedraw(WindowHandle window, int id, bool redraw) = 0;

    // Drop-down lists. Entry -1 is no selection.
    virtual void addDropDownEntry(WindowHandle window, int id, const std::string& text) = 0;
    virtual void selectDropDownEntry(WindowHandle window, int id, int entry) = 0;
    virtual int selectedDropDownEntry(WindowHandle window, int id) const = 0;

    // Bar charts: replaces every bar, drawn in order from the left, the
    // tallest reaching the top. Screen readers are told each bar's label and
    // value (chartTextEquivalent).
    virtual void setChartBars(WindowHandle window, int id, const std::vector<ChartBar>& bars) = 0;

    // Menu items. An item keeps its command when its caption changes.
    virtual void setMenuItemEnabled(WindowHandle window, int command, bool enabled) = 0;
    virtual void setMenuItemCaption(WindowHandle window, int command, const std::string& caption) = 0;
};

}  // namespace platform
