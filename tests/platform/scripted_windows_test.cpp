#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/testing/scripted_windows.h"
#include "tests/platform/sample_dialog.h"

namespace {

using namespace platform;
using platform::scripted::ScriptedUser;
using platform::scripted::ScriptedWindows;

// Runs the sample dialog with a handler that records what it receives and
// ends the window on Cancel and on the close box.
struct Recorder {
    ScriptedWindows ui;
    std::vector<Message> received;

    void run(ScriptedWindows::Script script, const std::function<void(WindowHandle, const Message&)>& also = {}) {
        ui.queueScript(std::move(script));
        ui.runWindow(sampleDialog(), {}, [&](WindowHandle window, const Message& message) {
            received.push_back(message);
            if (also) also(window, message);
            const bool cancel = message.kind == MessageKind::Command && message.id == EscapeCommand;
            if (cancel || message.kind == MessageKind::CloseRequest) ui.endWindow(window);
        });
    }

    std::vector<int> commands() const {
        std::vector<int> ids;
        for (const auto& message : received)
            if (message.kind == MessageKind::Command) ids.push_back(message.id);
        return ids;
    }
};

TEST(ScriptedWindows, AWindowWithoutScriptOrLeftOpenFailsTheTest) {
    ScriptedWindows ui;
    const Handler ignore = [](WindowHandle, const Message&) {};
    EXPECT_THROW(ui.runWindow(sampleDialog(), {}, ignore), std::logic_error);
    ui.queueScript([](ScriptedUser& user) { user.click(30); });
    EXPECT_THROW(ui.runWindow(sampleDialog(), {}, ignore), std::logic_error);
}

TEST(ScriptedWindows, AWindowEndedDuringInitNeedsNoScript) {
    ScriptedWindows ui;
    ui.runWindow(sampleDialog(), {}, [&](WindowHandle window, const Message& message) {
        if (message.kind == MessageKind::Init) ui.endWindow(window);
    });
    EXPECT_FALSE(ui.windows.back()->open);
}

// The program ignores what does not exist; the test's user may not act on it.
TEST(ScriptedWindows, TheUserRefusesWhatIsMissingDisabledOrNotThere) {
    Recorder recorder;
    recorder.run([](ScriptedUser& user) {
        user.ui.setEnabled(user.window, 30, false);
        EXPECT_THROW(user.click(30), std::logic_error);
        user.pressEnter();                                         // a disabled default button is passed over
        EXPECT_THROW(user.click(41), std::logic_error);            // a label
        EXPECT_THROW(user.click(99), std::logic_error);            // no such control
        EXPECT_THROW(user.chooseMenuItem(105), std::logic_error);  // greyed
        EXPECT_THROW(user.chooseMenuItem(999), std::logic_error);  // no such item
        EXPECT_THROW(user.clickRow(12, 0), std::logic_error);      // the list is empty
        for (const char* entry : {"", "Spy", "Mystery"}) user.ui.addDropDownEntry(user.window, 13, entry);
        user.pickEntry(13, 2);
        EXPECT_EQ(user.ui.selectedDropDownEntry(user.window, 13), 2);
        EXPECT_THROW(user.pickEntry(13, 3), std::logic_error);
        user.chooseMenuItem(101);
        user.pressEscape();
        EXPECT_THROW(user.pressEnter(), std::logic_error);  // the window has ended
    });
    EXPECT_EQ(recorder.commands(), (std::vector<int>{EnterCommand, 101, EscapeCommand}));
}

TEST(ScriptedWindows, BackspaceAndPasteEditTheBoxOnceEach) {
    Recorder recorder;
    std::vector<std::string> seen;
    recorder.run(
        [&](ScriptedUser& user) {
            user.typeKeys(11, "Smiths");
            user.backspace(11);
            user.replaceText(11, "Keith");
            user.pressEscape();
        },
        [&](WindowHandle window, const Message& message) {
            if (message.kind == MessageKind::TextEdited) seen.push_back(recorder.ui.text(window, message.id));
        });
    EXPECT_EQ(seen, (std::vector<std::string>{"S", "Sm", "Smi", "Smit", "Smith", "Smiths", "Smith", "Keith"}));
}

TEST(ScriptedWindows, ModalDialogsNestAndMessageBoxesAreRecordedInOrder) {
    ScriptedWindows ui;
    ui.messageBoxes.expect(Answer::Yes);
    ui.queueScript([](ScriptedUser& user) { user.click(30); });  // the outer window
    ui.queueScript([](ScriptedUser& user) {                      // the dialog it opens
        EXPECT_EQ(user.state().owner, WindowHandle{1});
        user.pressEscape();
    });
    WindowSpec inner = sampleDialog();
    inner.caption = "Inner";
    ui.runWindow(sampleDialog(), {}, [&](WindowHandle window, const Message& message) {
        if (message.kind != MessageKind::Command || message.id != 30) return;
        EXPECT_EQ(ui.messageBox("Go on?", "Question", Buttons::YesNo, Icon::Question), Answer::Yes);
        ui.runWindow(inner, window, [&](WindowHandle dialog, const Message& inside) {
            if (inside.kind == MessageKind::Command && inside.id == EscapeCommand) ui.endWindow(dialog);
        });
        ui.endWindow(window);
    });
    EXPECT_EQ(ui.history,
              (std::vector<std::string>{"window: Sample \u2013 dialog", "message box: Question", "window: Inner"}));
    EXPECT_THROW(ui.messageBox("Unforeseen", "Oops", Buttons::Ok, Icon::Stop), std::logic_error);
}

}  // namespace
