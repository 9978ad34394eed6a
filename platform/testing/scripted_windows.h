#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/testing/scripted_file_dialogs.h"
#include "platform/testing/scripted_message_boxes.h"
#include "platform/window.h"

namespace platform::scripted {

// What one control shows, kept as a user would read it off the screen.
struct ScriptedControl {
    ControlSpec blueprint;
    std::string text;  // a UTF-8 text; in a path box (style::HoldsPath) the path's system bytes
    bool enabled = true;
    bool checked = false;
    bool defaultLook = false;
    int radioGroup = 0;  // radio buttons: the group's number in the window; 0 for other kinds

    int selectionStart = 0, selectionEnd = 0;  // text boxes; the caret is at selectionEnd

    std::vector<std::string> rows;  // list boxes
    std::vector<bool> selected;     // one per row
    int caret = -1;                 // -1 only while the list is empty
    int top = 0;
    bool redraw = true;
    std::vector<int> tabStops;

    std::vector<std::string> entries;  // drop-down lists
    int selectedEntry = -1;

    std::vector<ChartBar> bars;  // bar charts
};

struct ScriptedWindow {
    WindowSpec blueprint;  // its menus follow the enable and caption operations
    WindowHandle owner;
    Handler handler;
    std::vector<ScriptedControl> controls;
    int focus = 0;       // identifier of the control with the keyboard focus; 0 = none
    bool ended = false;  // endWindow was called
    bool shown = false;  // on the screen: from after Init until the window ends
    bool open = true;    // false once Destroy has been sent
};

class ScriptedWindows;

// The user in front of one window: reads what it shows and acts on it the
// way a person can. Acting on a control or menu item that is missing,
// disabled or read-only, or on a window that has ended, throws
// std::logic_error.
struct ScriptedUser {
    ScriptedWindows& ui;
    WindowHandle window;

    const ScriptedWindow& state() const;
    const ScriptedControl& control(int id) const;
    const std::string& text(int id) const { return control(id).text; }

    // Push buttons send their command; check boxes toggle and radio buttons
    // check themselves first.
    void click(int id);
    const MenuItemSpec& menuItem(int command) const;  // as the menus show it now
    void chooseMenuItem(int command);
    void pressEnter();
    void pressEscape();
    void closeBox();

    // Text boxes: each key (a character of the UTF-8 `keys`) replaces the
    // selection (or goes in at the caret) and sends TextEdited; a key beyond
    // the box's maximum length in characters is dropped.
    void typeKeys(int id, std::string_view keys);
    // Replaces the selection with as many characters of `text` as the box
    // has room for: one TextEdited.
    void paste(int id, std::string_view text);
    void backspace(int id);
    void replaceText(int id, const std::string& text);  // select all, paste: one TextEdited

    // List boxes; each action sends one ListSelectionChange.
    void clickRow(int id, int row);                         // selects only that row
    void ctrlClickRow(int id, int row);                     // toggles that row, others keep their state
    void selectRows(int id, const std::vector<int>& rows);  // a drag or shift-click; caret on the last
    void doubleClickRow(int id, int row);                   // clickRow, then ListDoubleClick
    // Types into the list with the focus on it: one ListTyped for each key,
    // all at `time` milliseconds.
    void typeIntoList(int id, std::string_view keys, std::int64_t time);

    void pickEntry(int id, int entry);  // drop-down lists; sends nothing
};

// The windowing layer without a screen, for tests. Each window that runs is
// driven by the next script the test queued; a window that opens with no
// script left, or that is still open when its script returns, throws
// std::logic_error, as does a message box or file dialog the test did not
// expect.
class ScriptedWindows final : public Windows, public MessageBoxes, public FileDialogs {
  public:
    using Script = std::function<void(ScriptedUser&)>;

    void queueScript(Script script) { scripts.push_back(std::move(script)); }

    std::deque<Script> scripts;
    ScriptedMessageBoxes messageBoxes;  // queue answers here; what was shown is kept here
    ScriptedFileDialogs fileDialogs;    // the same for file dialogs
    // "window: <caption>", "message box: <caption>" and "file dialog: <title>", in order
    std::vector<std::string> history;
    std::vector<std::unique_ptr<ScriptedWindow>> windows;  // every window run; handle value - 1

    ScriptedWindow& window(WindowHandle handle);
    const ScriptedWindow& window(WindowHandle handle) const;
    // The control with the identifier; control() throws when there is none.
    ScriptedControl& control(WindowHandle handle, int id);
    const ScriptedControl& control(WindowHandle handle, int id) const;
    ScriptedControl* findControl(WindowHandle handle, int id);
    const ScriptedControl* findControl(WindowHandle handle, int id) const;
    void send(WindowHandle handle, const Message& message);

    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;
    std::optional<SystemPath> askFileToOpen(const FileDialogRequest& request) override;
    std::optional<SaveChoice> askFileAndTypeToSave(const FileDialogRequest& request) override;

    void runWindow(const WindowSpec& blueprint, WindowHandle owner, const Handler& handler) override;
    void endWindow(WindowHandle window) override;
    void setText(WindowHandle window, int id, const std::string& text) override;
    std::string text(WindowHandle window, int id) const override;
    void setPathText(WindowHandle window, int id, const SystemPath& path) override;
    SystemPath pathText(WindowHandle window, int id) const override;
    void setEnabled(WindowHandle window, int id, bool enabled) override;
    void setFocus(WindowHandle window, int id) override;
    void setDefaultButton(WindowHandle window, int id, bool isDefault) override;
    void setChecked(WindowHandle window, int id, bool checked) override;
    bool isChecked(WindowHandle window, int id) const override;
    void selectText(WindowHandle window, int id, int start, int end) override;
    void setListTabStops(WindowHandle window, int id, const std::vector<int>& stops) override;
    // Asks for every row's text at once, so that tests can read the rows.
    void setListRows(WindowHandle window, int id, const ListRows& rows) override;
    void setListRowText(WindowHandle window, int id, int row, const std::string& text) override;
    void setListRowSelected(WindowHandle window, int id, int row, bool selected) override;
    std::vector<int> selectedListRows(WindowHandle window, int id) const override;
    int listCaretRow(WindowHandle window, int id) const override;
    int listTopRow(WindowHandle window, int id) const override;
    void setListTopRow(WindowHandle window, int id, int row) override;
    void setListRedraw(WindowHandle window, int id, bool redraw) override;
    void addDropDownEntry(WindowHandle window, int id, const std::string& text) override;
    void selectDropDownEntry(WindowHandle window, int id, int entry) override;
    int selectedDropDownEntry(WindowHandle window, int id) const override;
    void setChartBars(WindowHandle window, int id, const std::vector<ChartBar>& bars) override;
    void setMenuItemEnabled(WindowHandle window, int command, bool enabled) override;
    void setMenuItemCaption(WindowHandle window, int command, const std::string& caption) override;
};

}  // namespace platform::scripted
