// The window contract run against the scripted windows, acting through the
// ScriptedUser.
#include "platform/bar_chart_layout.h"
#include "platform/testing/scripted_windows.h"
#include "tests/platform/windows_contract.h"

namespace {

using platform::WindowHandle;
using platform::scripted::ScriptedUser;
using platform::scripted::ScriptedWindows;

struct ScriptedBackend {
    ScriptedWindows ui;

    platform::Windows& windows() { return ui; }

    void run(const platform::WindowSpec& blueprint, WindowHandle owner, const platform::Handler& handler,
             const std::function<void(WindowHandle)>& whileShown) {
        const std::size_t queued = ui.scripts.size();
        ui.queueScript([this, whileShown](ScriptedUser& user) {
            whileShown(user.window);
            if (!ui.window(user.window).ended) ui.endWindow(user.window);
        });
        ui.runWindow(blueprint, owner, handler);
        if (ui.scripts.size() > queued) ui.scripts.pop_back();  // ended during Init: the script never ran
    }

    bool isShown(WindowHandle window) const { return ui.window(window).shown; }
    ScriptedUser user(WindowHandle window) { return {ui, window}; }
    void click(WindowHandle window, int id) { user(window).click(id); }
    void chooseMenuItem(WindowHandle window, int command) { user(window).chooseMenuItem(command); }
    void pressEnter(WindowHandle window) { user(window).pressEnter(); }
    void pressEscape(WindowHandle window) { user(window).pressEscape(); }
    void closeBox(WindowHandle window) { user(window).closeBox(); }
    void typeKeys(WindowHandle window, int id, const std::string& keys) { user(window).typeKeys(id, keys); }
    void paste(WindowHandle window, int id, const std::string& text) { user(window).paste(id, text); }
    void clickRow(WindowHandle window, int id, int row) { user(window).clickRow(id, row); }
    void ctrlClickRow(WindowHandle window, int id, int row) { user(window).ctrlClickRow(id, row); }
    void doubleClickRow(WindowHandle window, int id, int row) { user(window).doubleClickRow(id, row); }
    std::vector<std::string> rowTexts(WindowHandle window, int id) const { return ui.control(window, id).rows; }
    bool menuItemEnabled(WindowHandle window, int command) { return user(window).menuItem(command).enabled; }
    std::string menuItemCaption(WindowHandle window, int command) { return user(window).menuItem(command).caption; }
    // The scripted windows keep the bars; a screen reader would be told their text equivalent.
    std::string chartText(WindowHandle window, int id) const {
        return platform::chartTextEquivalent(ui.control(window, id).bars);
    }
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(ScriptedContract, WindowsContract, ScriptedBackend);
