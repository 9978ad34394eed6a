#include "platform/scripted/scripted_windows.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace platform::scripted {

namespace {

[[noreturn]] void fail(const std::string& what) { throw std::logic_error(what); }

std::string describe(const ScriptedWindow& window, int id) {
    return "control " + std::to_string(id) + " of window \"" + window.blueprint.caption + "\"";
}

ScriptedControl makeControl(const ControlSpec& blueprint, int& radioGroups) {
    ScriptedControl control;
    control.blueprint = blueprint;
    control.text = blueprint.caption;
    if (blueprint.kind == ControlKind::RadioButton) {
        if ((blueprint.style & style::GroupStart) != 0 || radioGroups == 0) ++radioGroups;
        control.radioGroup = radioGroups;
    }
    control.defaultLook = blueprint.kind == ControlKind::PushButton && (blueprint.style & style::DefaultButton) != 0;
    control.selectionStart = control.selectionEnd = static_cast<int>(control.text.size());
    return control;
}

bool hasText(ControlKind kind) {
    return kind != ControlKind::Panel && kind != ControlKind::ListBox && kind != ControlKind::DropDownList;
}

bool holdsPath(const ControlSpec& blueprint) {
    return blueprint.kind == ControlKind::TextBox && (blueprint.style & style::HoldsPath) != 0;
}

// A text goes to a control that shows texts, a path to a box that holds a
// path: a path must never be taken for a Windows-1252 text, nor the reverse.
void requireText(const ScriptedWindow& window, const ScriptedControl& target, bool path) {
    const int id = target.blueprint.id;
    if (!hasText(target.blueprint.kind)) fail(describe(window, id) + " shows no text");
    if (holdsPath(target.blueprint) != path)
        fail(describe(window, id) + (path ? " holds no path" : " holds a path, not a text"));
}

void requireKind(const ScriptedWindow& window, const ScriptedControl& control, std::initializer_list<ControlKind> kinds) {
    if (std::find(kinds.begin(), kinds.end(), control.blueprint.kind) == kinds.end())
        fail(describe(window, control.blueprint.id) + " is not of a kind this operation applies to");
}

void checkRadio(ScriptedWindow& window, ScriptedControl& radio) {
    for (auto& other : window.controls)
        if (other.radioGroup == radio.radioGroup) other.checked = false;
    radio.checked = true;
}

bool validRow(const ScriptedControl& list, int row) { return row >= 0 && row < static_cast<int>(list.rows.size()); }

MenuItemSpec& menuItem(ScriptedWindow& window, int menu, int position) {
    if (menu < 1 || menu > static_cast<int>(window.blueprint.menus.size()))
        fail("no menu " + std::to_string(menu) + " in window \"" + window.blueprint.caption + "\"");
    auto& items = window.blueprint.menus[menu - 1].items;
    if (position < 1 || position > static_cast<int>(items.size()))
        fail("no item " + std::to_string(position) + " in menu \"" + window.blueprint.menus[menu - 1].caption + "\"");
    return items[position - 1];
}

void putText(ScriptedControl& control, const std::string& text) {
    control.text = text;
    if (control.blueprint.maxLength > 0 && static_cast<int>(control.text.size()) > control.blueprint.maxLength)
        control.text.resize(control.blueprint.maxLength);
    control.selectionStart = control.selectionEnd = static_cast<int>(control.text.size());
}

}  // namespace

// ---- the windows and their controls ----

ScriptedWindow& ScriptedWindows::window(WindowHandle handle) {
    return const_cast<ScriptedWindow&>(std::as_const(*this).window(handle));
}

const ScriptedWindow& ScriptedWindows::window(WindowHandle handle) const {
    if (handle.value < 1 || handle.value > static_cast<int>(windows.size())) fail("no window with this handle");
    const ScriptedWindow& found = *windows[handle.value - 1];
    if (!found.open) fail("window \"" + found.blueprint.caption + "\" has been destroyed");
    return found;
}

ScriptedControl& ScriptedWindows::control(WindowHandle handle, int id) {
    return const_cast<ScriptedControl&>(std::as_const(*this).control(handle, id));
}

const ScriptedControl& ScriptedWindows::control(WindowHandle handle, int id) const {
    const ScriptedWindow& owner = window(handle);
    for (const auto& control : owner.controls)
        if (control.blueprint.id == id) return control;
    fail("no " + describe(owner, id));
}

void ScriptedWindows::send(WindowHandle handle, const Message& message) {
    const Handler handler = window(handle).handler;  // a copy: the handler may open further windows
    handler(handle, message);
}

Answer ScriptedWindows::messageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
    history.push_back("message box: " + caption);
    return messageBoxes.messageBox(text, caption, buttons, icon);
}

std::optional<SystemPath> ScriptedWindows::askFileToOpen(const FileDialogRequest& request) {
    history.push_back("file dialog: " + request.title);
    return fileDialogs.askFileToOpen(request);
}

std::optional<SystemPath> ScriptedWindows::askFileToSave(const FileDialogRequest& request) {
    history.push_back("file dialog: " + request.title);
    return fileDialogs.askFileToSave(request);
}

void ScriptedWindows::runWindow(const WindowSpec& blueprint, WindowHandle owner, const Handler& handler) {
    auto created = std::make_unique<ScriptedWindow>();
    created->blueprint = blueprint;
    created->owner = owner;
    created->handler = handler;
    int radioGroups = 0;
    for (const auto& control : blueprint.controls) created->controls.push_back(makeControl(control, radioGroups));
    ScriptedWindow& running = *windows.emplace_back(std::move(created));
    const WindowHandle handle{static_cast<int>(windows.size())};

    send(handle, {MessageKind::Init});
    history.push_back("window: " + blueprint.caption);
    if (!running.ended) {
        if (scripts.empty()) fail("window \"" + blueprint.caption + "\" opened with no script to drive it");
        const Script script = std::move(scripts.front());
        scripts.pop_front();
        ScriptedUser user{*this, handle};
        script(user);
        if (!running.ended) fail("window \"" + blueprint.caption + "\" is still open at the end of its script");
    }
    send(handle, {MessageKind::Destroy});
    running.open = false;
}

void ScriptedWindows::endWindow(WindowHandle handle) { window(handle).ended = true; }

void ScriptedWindows::setText(WindowHandle handle, int id, const std::string& text) {
    ScriptedControl& target = control(handle, id);
    requireText(window(handle), target, false);
    putText(target, text);
}

std::string ScriptedWindows::text(WindowHandle handle, int id) const {
    const ScriptedControl& target = control(handle, id);
    requireText(window(handle), target, false);
    return target.text;
}

void ScriptedWindows::setPathText(WindowHandle handle, int id, const SystemPath& path) {
    ScriptedControl& target = control(handle, id);
    requireText(window(handle), target, true);
    putText(target, path);
}

SystemPath ScriptedWindows::pathText(WindowHandle handle, int id) const {
    const ScriptedControl& target = control(handle, id);
    requireText(window(handle), target, true);
    return target.text;
}

void ScriptedWindows::setEnabled(WindowHandle handle, int id, bool enabled) { control(handle, id).enabled = enabled; }

void ScriptedWindows::setVisible(WindowHandle handle, int id, bool visible) { control(handle, id).visible = visible; }

void ScriptedWindows::setFocus(WindowHandle handle, int id) {
    control(handle, id);
    window(handle).focus = id;
}

void ScriptedWindows::setDefaultButton(WindowHandle handle, int id, bool isDefault) {
    ScriptedControl& button = control(handle, id);
    requireKind(window(handle), button, {ControlKind::PushButton});
    button.defaultLook = isDefault;
}

void ScriptedWindows::setChecked(WindowHandle handle, int id, bool checked) {
    ScriptedControl& box = control(handle, id);
    requireKind(window(handle), box, {ControlKind::CheckBox, ControlKind::RadioButton});
    if (checked && box.blueprint.kind == ControlKind::RadioButton)
        checkRadio(window(handle), box);
    else
        box.checked = checked;
}

bool ScriptedWindows::isChecked(WindowHandle handle, int id) const {
    const ScriptedControl& box = control(handle, id);
    requireKind(window(handle), box, {ControlKind::CheckBox, ControlKind::RadioButton});
    return box.checked;
}

void ScriptedWindows::selectText(WindowHandle handle, int id, int start, int end) {
    ScriptedControl& box = control(handle, id);
    requireKind(window(handle), box, {ControlKind::TextBox});
    const int length = static_cast<int>(box.text.size());
    box.selectionStart = std::clamp(start, 0, length);
    box.selectionEnd = std::clamp(end, box.selectionStart, length);
}

// ---- list boxes ----

namespace {

ScriptedControl& listBox(ScriptedWindows& ui, WindowHandle handle, int id) {
    ScriptedControl& list = ui.control(handle, id);
    requireKind(ui.window(handle), list, {ControlKind::ListBox});
    return list;
}

const ScriptedControl& listBox(const ScriptedWindows& ui, WindowHandle handle, int id) {
    const ScriptedControl& list = ui.control(handle, id);
    requireKind(ui.window(handle), list, {ControlKind::ListBox});
    return list;
}

}  // namespace

void ScriptedWindows::setListTabStops(WindowHandle handle, int id, const std::vector<int>& stops) {
    listBox(*this, handle, id).tabStops = stops;
}

void ScriptedWindows::clearList(WindowHandle handle, int id) {
    ScriptedControl& list = listBox(*this, handle, id);
    list.rows.clear();
    list.selected.clear();
    list.caret = -1;
    list.top = 0;
}

void ScriptedWindows::appendListRow(WindowHandle handle, int id, const std::string& text) {
    insertListRow(handle, id, listRowCount(handle, id), text);
}

void ScriptedWindows::setListRows(WindowHandle handle, int id, int count, std::function<std::string(int row)> rowText) {
    clearList(handle, id);
    for (int row = 0; row < count; ++row) appendListRow(handle, id, rowText(row));
}

void ScriptedWindows::setListRowText(WindowHandle handle, int id, int row, const std::string& text) {
    ScriptedControl& list = listBox(*this, handle, id);
    if (validRow(list, row)) list.rows[row] = text;
}

void ScriptedWindows::insertListRow(WindowHandle handle, int id, int row, const std::string& text) {
    ScriptedControl& list = listBox(*this, handle, id);
    if (row < 0 || row > static_cast<int>(list.rows.size())) return;
    list.rows.insert(list.rows.begin() + row, text);
    list.selected.insert(list.selected.begin() + row, false);
    if (list.caret < 0)
        list.caret = 0;
    else if (list.caret >= row)
        ++list.caret;
}

void ScriptedWindows::deleteListRow(WindowHandle handle, int id, int row) {
    ScriptedControl& list = listBox(*this, handle, id);
    if (!validRow(list, row)) return;
    list.rows.erase(list.rows.begin() + row);
    list.selected.erase(list.selected.begin() + row);
    const int count = static_cast<int>(list.rows.size());
    if (list.caret > row) --list.caret;
    list.caret = std::min(list.caret, count - 1);
    list.top = std::clamp(list.top, 0, std::max(0, count - 1));
}

int ScriptedWindows::listRowCount(WindowHandle handle, int id) const {
    return static_cast<int>(listBox(*this, handle, id).rows.size());
}

void ScriptedWindows::setListRowSelected(WindowHandle handle, int id, int row, bool selected) {
    ScriptedControl& list = listBox(*this, handle, id);
    if (!validRow(list, row)) return;
    list.selected[row] = selected;
    if (selected) list.caret = row;
}

std::vector<int> ScriptedWindows::selectedListRows(WindowHandle handle, int id) const {
    const ScriptedControl& list = listBox(*this, handle, id);
    std::vector<int> rows;
    for (int row = 0; row < static_cast<int>(list.rows.size()); ++row)
        if (list.selected[row]) rows.push_back(row);
    return rows;
}

int ScriptedWindows::listCaretRow(WindowHandle handle, int id) const { return listBox(*this, handle, id).caret; }

int ScriptedWindows::listTopRow(WindowHandle handle, int id) const { return listBox(*this, handle, id).top; }

void ScriptedWindows::setListTopRow(WindowHandle handle, int id, int row) {
    ScriptedControl& list = listBox(*this, handle, id);
    list.top = std::clamp(row, 0, std::max(0, static_cast<int>(list.rows.size()) - 1));
}

void ScriptedWindows::setListRedraw(WindowHandle handle, int id, bool redraw) {
    listBox(*this, handle, id).redraw = redraw;
}

// ---- drop-down lists ----

void ScriptedWindows::addDropDownEntry(WindowHandle handle, int id, const std::string& text) {
    ScriptedControl& list = control(handle, id);
    requireKind(window(handle), list, {ControlKind::DropDownList});
    list.entries.push_back(text);
}

void ScriptedWindows::selectDropDownEntry(WindowHandle handle, int id, int entry) {
    ScriptedControl& list = control(handle, id);
    requireKind(window(handle), list, {ControlKind::DropDownList});
    if (entry >= -1 && entry < static_cast<int>(list.entries.size())) list.selectedEntry = entry;
}

int ScriptedWindows::selectedDropDownEntry(WindowHandle handle, int id) const {
    const ScriptedControl& list = control(handle, id);
    requireKind(window(handle), list, {ControlKind::DropDownList});
    return list.selectedEntry;
}

// ---- menus ----

void ScriptedWindows::setMenuItemEnabled(WindowHandle handle, int menu, int position, bool enabled) {
    menuItem(window(handle), menu, position).enabled = enabled;
}

void ScriptedWindows::setMenuItemCaption(WindowHandle handle, int menu, int position, const std::string& caption) {
    menuItem(window(handle), menu, position).caption = caption;
}

// ---- the user ----

namespace {

// The window the user acts on, which must still be running.
ScriptedWindow& running(ScriptedUser& user) {
    ScriptedWindow& window = user.ui.window(user.window);
    if (window.ended) fail("window \"" + window.blueprint.caption + "\" has already ended");
    return window;
}

// The control a user can act on: shown and enabled in a running window.
ScriptedControl& reachable(ScriptedUser& user, int id) {
    ScriptedWindow& window = running(user);
    ScriptedControl& control = user.ui.control(user.window, id);
    if (!control.visible || !control.enabled) fail(describe(window, id) + " is hidden or disabled");
    return control;
}

ScriptedControl& typable(ScriptedUser& user, int id) {
    ScriptedControl& box = reachable(user, id);
    requireKind(user.ui.window(user.window), box, {ControlKind::TextBox});
    if ((box.blueprint.style & style::ReadOnly) != 0) fail(describe(user.ui.window(user.window), id) + " is read-only");
    user.ui.window(user.window).focus = id;
    return box;
}

ScriptedControl& clickableList(ScriptedUser& user, int id, const std::vector<int>& rows) {
    ScriptedControl& list = reachable(user, id);
    requireKind(user.ui.window(user.window), list, {ControlKind::ListBox});
    for (int row : rows)
        if (!validRow(list, row)) fail("no row " + std::to_string(row) + " in " + describe(user.ui.window(user.window), id));
    user.ui.window(user.window).focus = id;
    return list;
}

void sendCommand(ScriptedUser& user, int id) { user.ui.send(user.window, {MessageKind::Command, id}); }

}  // namespace

const ScriptedWindow& ScriptedUser::state() const { return ui.window(window); }

const ScriptedControl& ScriptedUser::control(int id) const { return ui.control(window, id); }

void ScriptedUser::click(int id) {
    ScriptedControl& target = reachable(*this, id);
    ScriptedWindow& owner = ui.window(window);
    switch (target.blueprint.kind) {
        case ControlKind::PushButton: break;
        case ControlKind::CheckBox: target.checked = !target.checked; break;
        case ControlKind::RadioButton: checkRadio(owner, target); break;
        default: fail(describe(owner, id) + " cannot be clicked");
    }
    sendCommand(*this, id);
}

void ScriptedUser::chooseMenuItem(int menu, int position) {
    const MenuItemSpec& item = menuItem(running(*this), menu, position);
    if (item.separator || !item.enabled) fail("menu item \"" + item.caption + "\" cannot be chosen");
    sendCommand(*this, item.id);
}

void ScriptedUser::pressEnter() {
    for (const auto& control : running(*this).controls)
        if (control.defaultLook && control.enabled && control.visible) return sendCommand(*this, control.blueprint.id);
    sendCommand(*this, EnterCommand);
}

void ScriptedUser::pressEscape() {
    running(*this);
    sendCommand(*this, EscapeCommand);
}

void ScriptedUser::closeBox() {
    running(*this);
    ui.send(window, {MessageKind::CloseRequest});
}

void ScriptedUser::typeKeys(int id, std::string_view keys) {
    for (char key : keys) {
        ScriptedControl& box = typable(*this, id);
        const auto start = static_cast<std::size_t>(box.selectionStart);
        const auto end = static_cast<std::size_t>(box.selectionEnd);
        const std::size_t remaining = box.text.size() - (end - start);
        if (box.blueprint.maxLength > 0 && static_cast<int>(remaining) >= box.blueprint.maxLength) return;
        box.text.replace(start, end - start, 1, key);
        box.selectionStart = box.selectionEnd = static_cast<int>(start) + 1;
        ui.send(window, {MessageKind::TextEdited, id});
    }
}

void ScriptedUser::backspace(int id) {
    ScriptedControl& box = typable(*this, id);
    int start = box.selectionStart;
    if (start == box.selectionEnd) {
        if (start == 0) return;
        --start;
    }
    box.text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(box.selectionEnd - start));
    box.selectionStart = box.selectionEnd = start;
    ui.send(window, {MessageKind::TextEdited, id});
}

void ScriptedUser::replaceText(int id, const std::string& text) {
    putText(typable(*this, id), text);
    ui.send(window, {MessageKind::TextEdited, id});
}

void ScriptedUser::clickRow(int id, int row) { selectRows(id, {row}); }

void ScriptedUser::ctrlClickRow(int id, int row) {
    ScriptedControl& list = clickableList(*this, id, {row});
    list.selected[row] = !list.selected[row];
    list.caret = row;
    ui.send(window, {MessageKind::ListSelectionChange, id});
}

void ScriptedUser::selectRows(int id, const std::vector<int>& rows) {
    ScriptedControl& list = clickableList(*this, id, rows);
    std::fill(list.selected.begin(), list.selected.end(), false);
    for (int row : rows) list.selected[row] = true;
    if (!rows.empty()) list.caret = rows.back();
    ui.send(window, {MessageKind::ListSelectionChange, id});
}

void ScriptedUser::doubleClickRow(int id, int row) {
    clickRow(id, row);
    ui.send(window, {MessageKind::ListDoubleClick, id});
}

void ScriptedUser::typeIntoList(int id, std::string_view keys, std::int64_t time) {
    clickableList(*this, id, {});
    for (char key : keys) ui.send(window, {MessageKind::ListTyped, id, std::string(1, key), time});
}

void ScriptedUser::pickEntry(int id, int entry) {
    ScriptedControl& list = reachable(*this, id);
    requireKind(ui.window(window), list, {ControlKind::DropDownList});
    if (entry < 0 || entry >= static_cast<int>(list.entries.size()))
        fail("no entry " + std::to_string(entry) + " in " + describe(ui.window(window), id));
    list.selectedEntry = entry;
}

}  // namespace platform::scripted
