#include "platform/testing/scripted_windows.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/utf8.h"

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
    return kind != ControlKind::Panel && kind != ControlKind::ListBox && kind != ControlKind::DropDownList &&
           kind != ControlKind::BarChart;
}

bool holdsPath(const ControlSpec& blueprint) {
    return blueprint.kind == ControlKind::TextBox && (blueprint.style & style::HoldsPath) != 0;
}

// A text goes to a control that shows texts, a path to a box that holds a
// path: a path must never be taken for a text, nor the reverse.
void requireText(const ScriptedWindow& window, const ScriptedControl& target, bool path) {
    const int id = target.blueprint.id;
    if (!hasText(target.blueprint.kind)) fail(describe(window, id) + " shows no text");
    if (holdsPath(target.blueprint) != path)
        fail(describe(window, id) + (path ? " holds no path" : " holds a path, not a text"));
}

void requireKind(const ScriptedWindow& window, const ScriptedControl& control,
                 std::initializer_list<ControlKind> kinds) {
    if (std::find(kinds.begin(), kinds.end(), control.blueprint.kind) == kinds.end())
        fail(describe(window, control.blueprint.id) + " is not of a kind this operation applies to");
}

void checkRadio(ScriptedWindow& window, ScriptedControl& radio) {
    for (auto& other : window.controls)
        if (other.radioGroup == radio.radioGroup) other.checked = false;
    radio.checked = true;
}

bool validRow(const ScriptedControl& list, int row) { return row >= 0 && row < static_cast<int>(list.rows.size()); }

// The first item sending the command, or none.
MenuItemSpec* menuItem(ScriptedWindow& window, int command) {
    for (auto& menu : window.blueprint.menus)
        for (auto& item : menu.items)
            if (!item.separator && item.id == command) return &item;
    return nullptr;
}

void putText(ScriptedControl& control, const std::string& text) {
    control.text = text;
    if (control.blueprint.maxLength > 0)
        control.text.resize(characterPrefix(control.text, static_cast<std::size_t>(control.blueprint.maxLength)));
    control.selectionStart = control.selectionEnd = static_cast<int>(control.text.size());
}

// Puts as many characters of `text` in place of the box's selection as its
// maximum length leaves room for; false when none went in.
bool insertText(ScriptedControl& box, std::string_view text) {
    const auto start = static_cast<std::size_t>(box.selectionStart);
    const auto end = static_cast<std::size_t>(box.selectionEnd);
    if (box.blueprint.maxLength > 0) {
        const std::size_t kept =
            characterCount(box.text) - characterCount(std::string_view(box.text).substr(start, end - start));
        const auto most = static_cast<std::size_t>(box.blueprint.maxLength);
        text = text.substr(0, characterPrefix(text, kept < most ? most - kept : 0));
    }
    if (text.empty()) return false;
    box.text.replace(start, end - start, text);
    box.selectionStart = box.selectionEnd = static_cast<int>(start + text.size());
    return true;
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
    const ScriptedControl* found = findControl(handle, id);
    if (found == nullptr) fail("no " + describe(window(handle), id));
    return *found;
}

ScriptedControl* ScriptedWindows::findControl(WindowHandle handle, int id) {
    return const_cast<ScriptedControl*>(std::as_const(*this).findControl(handle, id));
}

const ScriptedControl* ScriptedWindows::findControl(WindowHandle handle, int id) const {
    for (const auto& control : window(handle).controls)
        if (control.blueprint.id == id) return &control;
    return nullptr;
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

std::optional<SaveChoice> ScriptedWindows::askFileAndTypeToSave(const FileDialogRequest& request) {
    history.push_back("file dialog: " + request.title);
    return fileDialogs.askFileAndTypeToSave(request);
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
    running.shown = !running.ended;
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

void ScriptedWindows::endWindow(WindowHandle handle) {
    ScriptedWindow& ending = window(handle);
    ending.ended = true;
    ending.shown = false;
}

namespace {

// The control an operation addresses, of one of the kinds the operation
// applies to (any kind when none are named); none when no control carries the
// identifier.
template <typename Ui>
auto* addressed(Ui& ui, WindowHandle handle, int id, std::initializer_list<ControlKind> kinds = {}) {
    auto* control = ui.findControl(handle, id);
    if (control != nullptr && kinds.size() != 0) requireKind(ui.window(handle), *control, kinds);
    return control;
}

template <typename Ui>
auto* textControl(Ui& ui, WindowHandle handle, int id, bool path) {
    auto* control = ui.findControl(handle, id);
    if (control != nullptr) requireText(ui.window(handle), *control, path);
    return control;
}

}  // namespace

void ScriptedWindows::setText(WindowHandle handle, int id, const std::string& text) {
    if (ScriptedControl* target = textControl(*this, handle, id, false)) putText(*target, text);
}

std::string ScriptedWindows::text(WindowHandle handle, int id) const {
    const ScriptedControl* target = textControl(*this, handle, id, false);
    return target != nullptr ? target->text : std::string();
}

void ScriptedWindows::setPathText(WindowHandle handle, int id, const SystemPath& path) {
    if (ScriptedControl* target = textControl(*this, handle, id, true)) putText(*target, path.systemBytes());
}

SystemPath ScriptedWindows::pathText(WindowHandle handle, int id) const {
    const ScriptedControl* target = textControl(*this, handle, id, true);
    return target != nullptr ? SystemPath::fromSystem(target->text) : SystemPath();
}

void ScriptedWindows::setEnabled(WindowHandle handle, int id, bool enabled) {
    if (ScriptedControl* target = addressed(*this, handle, id)) target->enabled = enabled;
}

void ScriptedWindows::setFocus(WindowHandle handle, int id) {
    if (addressed(*this, handle, id) != nullptr) window(handle).focus = id;
}

void ScriptedWindows::setDefaultButton(WindowHandle handle, int id, bool isDefault) {
    if (ScriptedControl* button = addressed(*this, handle, id, {ControlKind::PushButton}))
        button->defaultLook = isDefault;
}

void ScriptedWindows::setChecked(WindowHandle handle, int id, bool checked) {
    ScriptedControl* box = addressed(*this, handle, id, {ControlKind::CheckBox, ControlKind::RadioButton});
    if (box == nullptr) return;
    if (checked && box->blueprint.kind == ControlKind::RadioButton)
        checkRadio(window(handle), *box);
    else
        box->checked = checked;
}

bool ScriptedWindows::isChecked(WindowHandle handle, int id) const {
    const ScriptedControl* box = addressed(*this, handle, id, {ControlKind::CheckBox, ControlKind::RadioButton});
    return box != nullptr && box->checked;
}

void ScriptedWindows::selectText(WindowHandle handle, int id, int start, int end) {
    ScriptedControl* box = addressed(*this, handle, id, {ControlKind::TextBox});
    if (box == nullptr) return;
    const int length = static_cast<int>(box->text.size());
    box->selectionStart = std::clamp(start, 0, length);
    box->selectionEnd = std::clamp(end, box->selectionStart, length);
}

// ---- list boxes ----

void ScriptedWindows::setListTabStops(WindowHandle handle, int id, const std::vector<int>& stops) {
    if (ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox})) list->tabStops = stops;
}

void ScriptedWindows::setListRows(WindowHandle handle, int id, const ListRows& rows) {
    ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox});
    if (list == nullptr) return;
    list->rows.clear();
    for (int row = 0; row < rows.count(); ++row) list->rows.push_back(rows.text(row));
    list->selected.assign(list->rows.size(), false);
    list->caret = list->rows.empty() ? -1 : 0;
    list->top = 0;
}

void ScriptedWindows::setListRowText(WindowHandle handle, int id, int row, const std::string& text) {
    ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox});
    if (list != nullptr && validRow(*list, row)) list->rows[row] = text;
}

void ScriptedWindows::setListRowSelected(WindowHandle handle, int id, int row, bool selected) {
    ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox});
    if (list == nullptr || !validRow(*list, row)) return;
    list->selected[row] = selected;
    if (selected) list->caret = row;
}

std::vector<int> ScriptedWindows::selectedListRows(WindowHandle handle, int id) const {
    std::vector<int> rows;
    if (const ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox}))
        for (int row = 0; row < static_cast<int>(list->rows.size()); ++row)
            if (list->selected[row]) rows.push_back(row);
    return rows;
}

int ScriptedWindows::listCaretRow(WindowHandle handle, int id) const {
    const ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox});
    return list != nullptr ? list->caret : -1;
}

int ScriptedWindows::listTopRow(WindowHandle handle, int id) const {
    const ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox});
    return list != nullptr ? list->top : -1;
}

void ScriptedWindows::setListTopRow(WindowHandle handle, int id, int row) {
    ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox});
    if (list != nullptr && validRow(*list, row)) list->top = row;
}

void ScriptedWindows::setListRedraw(WindowHandle handle, int id, bool redraw) {
    if (ScriptedControl* list = addressed(*this, handle, id, {ControlKind::ListBox})) list->redraw = redraw;
}

// ---- drop-down lists ----

void ScriptedWindows::addDropDownEntry(WindowHandle handle, int id, const std::string& text) {
    if (ScriptedControl* list = addressed(*this, handle, id, {ControlKind::DropDownList}))
        list->entries.push_back(text);
}

void ScriptedWindows::selectDropDownEntry(WindowHandle handle, int id, int entry) {
    ScriptedControl* list = addressed(*this, handle, id, {ControlKind::DropDownList});
    if (list != nullptr && entry >= -1 && entry < static_cast<int>(list->entries.size())) list->selectedEntry = entry;
}

int ScriptedWindows::selectedDropDownEntry(WindowHandle handle, int id) const {
    const ScriptedControl* list = addressed(*this, handle, id, {ControlKind::DropDownList});
    return list != nullptr ? list->selectedEntry : -1;
}

// ---- bar charts ----

void ScriptedWindows::setChartBars(WindowHandle handle, int id, const std::vector<ChartBar>& bars) {
    if (ScriptedControl* chart = addressed(*this, handle, id, {ControlKind::BarChart})) chart->bars = bars;
}

// ---- menus ----

void ScriptedWindows::setMenuItemEnabled(WindowHandle handle, int command, bool enabled) {
    if (MenuItemSpec* item = menuItem(window(handle), command)) item->enabled = enabled;
}

void ScriptedWindows::setMenuItemCaption(WindowHandle handle, int command, const std::string& caption) {
    if (MenuItemSpec* item = menuItem(window(handle), command)) item->caption = caption;
}

// ---- the user ----

namespace {

// The window the user acts on, which must still be running.
ScriptedWindow& running(ScriptedUser& user) {
    ScriptedWindow& window = user.ui.window(user.window);
    if (window.ended) fail("window \"" + window.blueprint.caption + "\" has already ended");
    return window;
}

// The control a user can act on: enabled, in a running window.
ScriptedControl& reachable(ScriptedUser& user, int id) {
    ScriptedWindow& window = running(user);
    ScriptedControl& control = user.ui.control(user.window, id);
    if (!control.enabled) fail(describe(window, id) + " is disabled");
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
        if (!validRow(list, row))
            fail("no row " + std::to_string(row) + " in " + describe(user.ui.window(user.window), id));
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

const MenuItemSpec& ScriptedUser::menuItem(int command) const {
    const MenuItemSpec* item = platform::scripted::menuItem(ui.window(window), command);
    if (item == nullptr) fail("no menu item sends command " + std::to_string(command));
    return *item;
}

void ScriptedUser::chooseMenuItem(int command) {
    running(*this);
    const MenuItemSpec& item = menuItem(command);
    if (!item.enabled) fail("menu item \"" + item.caption + "\" is greyed");
    sendCommand(*this, command);
}

void ScriptedUser::pressEnter() {
    for (const auto& control : running(*this).controls)
        if (control.defaultLook && control.enabled) return sendCommand(*this, control.blueprint.id);
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
    for (std::size_t next = 0; next < keys.size();) {
        const std::string_view key = keys.substr(next, characterPrefix(keys.substr(next), 1));
        next += key.size();
        if (!insertText(typable(*this, id), key)) return;
        ui.send(window, {MessageKind::TextEdited, id});
    }
}

void ScriptedUser::paste(int id, std::string_view text) {
    if (insertText(typable(*this, id), text)) ui.send(window, {MessageKind::TextEdited, id});
}

void ScriptedUser::backspace(int id) {
    ScriptedControl& box = typable(*this, id);
    int start = box.selectionStart;
    if (start == box.selectionEnd) {
        if (start == 0) return;
        // Back over one character: its continuation bytes, then its first.
        while (--start > 0 && (static_cast<unsigned char>(box.text[start]) & 0xC0) == 0x80) {}
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
    for (std::size_t next = 0; next < keys.size();) {
        const std::size_t length = characterPrefix(keys.substr(next), 1);
        ui.send(window, {MessageKind::ListTyped, id, std::string(keys.substr(next, length)), time});
        next += length;
    }
}

void ScriptedUser::pickEntry(int id, int entry) {
    ScriptedControl& list = reachable(*this, id);
    requireKind(ui.window(window), list, {ControlKind::DropDownList});
    if (entry < 0 || entry >= static_cast<int>(list.entries.size()))
        fail("no entry " + std::to_string(entry) + " in " + describe(ui.window(window), id));
    list.selectedEntry = entry;
}

}  // namespace platform::scripted
