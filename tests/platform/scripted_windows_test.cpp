#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/scripted/scripted_windows.h"
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

TEST(ScriptedWindows, InitComesFirstAndDestroyLast) {
    Recorder recorder;
    recorder.run([](ScriptedUser& user) { user.closeBox(); });
    ASSERT_EQ(recorder.received.size(), 3u);
    EXPECT_EQ(recorder.received.front().kind, MessageKind::Init);
    EXPECT_EQ(recorder.received[1].kind, MessageKind::CloseRequest);
    EXPECT_EQ(recorder.received.back().kind, MessageKind::Destroy);
    EXPECT_EQ(recorder.ui.history, std::vector<std::string>{"window: Sample \x96 dialog"});
}

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

TEST(ScriptedWindows, EnterPressesTheDefaultButtonElseSendsOne) {
    Recorder recorder;
    recorder.run([](ScriptedUser& user) {
        user.pressEnter();
        user.ui.setDefaultButton(user.window, 30, false);
        user.pressEnter();
        user.pressEscape();
    });
    EXPECT_EQ(recorder.commands(), (std::vector<int>{30, EnterCommand, EscapeCommand}));
}

TEST(ScriptedWindows, DisabledHiddenAndReadOnlyControlsRefuseTheUser) {
    Recorder recorder;
    recorder.run([](ScriptedUser& user) {
        user.ui.setEnabled(user.window, 30, false);
        EXPECT_THROW(user.click(30), std::logic_error);
        user.pressEnter();  // a disabled default button is passed over
        user.ui.setVisible(user.window, 25, false);
        EXPECT_THROW(user.click(25), std::logic_error);
        EXPECT_THROW(user.click(41), std::logic_error);  // a label
        EXPECT_THROW(user.chooseMenuItem(1, 3), std::logic_error);  // disabled item
        EXPECT_THROW(user.chooseMenuItem(1, 2), std::logic_error);  // separator
        user.chooseMenuItem(1, 1);
        user.pressEscape();
        EXPECT_THROW(user.pressEnter(), std::logic_error);  // the window has ended
    });
    EXPECT_EQ(recorder.commands(), (std::vector<int>{EnterCommand, 101, EscapeCommand}));
}

TEST(ScriptedWindows, RadioButtonsAreExclusiveWithinTheirGroupOnly) {
    Recorder recorder;
    recorder.run([](ScriptedUser& user) {
        WindowHandle window = user.window;
        user.ui.setChecked(window, 21, true);
        user.ui.setChecked(window, 23, true);
        user.click(22);
        EXPECT_FALSE(user.ui.isChecked(window, 21));
        EXPECT_TRUE(user.ui.isChecked(window, 22));
        EXPECT_TRUE(user.ui.isChecked(window, 23));
        user.click(25);
        user.click(25);
        EXPECT_FALSE(user.ui.isChecked(window, 25));
        user.pressEscape();
    });
    EXPECT_EQ(recorder.commands(), (std::vector<int>{22, 25, 25, EscapeCommand}));
}

TEST(ScriptedWindows, TypingReplacesTheSelectionAndStopsAtTheMaximumLength) {
    Recorder recorder;
    std::vector<std::string> seen;
    recorder.run(
        [&](ScriptedUser& user) {
            user.typeKeys(11, "Smi");
            user.ui.setText(user.window, 11, "Smithers");  // as a completion would
            user.ui.selectText(user.window, 11, 3, 8);
            user.typeKeys(11, "t");
            EXPECT_EQ(user.text(11), "Smit");
            user.typeKeys(11, "hsonXY");  // the box holds six characters
            EXPECT_EQ(user.text(11), "Smiths");
            user.backspace(11);
            user.replaceText(11, "Keith");
            user.pressEscape();
        },
        [&](WindowHandle window, const Message& message) {
            if (message.kind == MessageKind::TextEdited) seen.push_back(recorder.ui.text(window, message.id));
        });
    EXPECT_EQ(seen, (std::vector<std::string>{"S", "Sm", "Smi", "Smit", "Smith", "Smiths", "Smith", "Keith"}));
}

TEST(ScriptedWindows, ListRowsKeepSelectionAndCaretThroughInsertAndDelete) {
    Recorder recorder;
    recorder.run([](ScriptedUser& user) {
        ScriptedWindows& ui = user.ui;
        const WindowHandle window = user.window;
        EXPECT_EQ(ui.listCaretRow(window, 12), -1);
        for (const char* row : {"a", "b", "c", "d"}) ui.appendListRow(window, 12, row);
        EXPECT_EQ(ui.listCaretRow(window, 12), 0);
        user.selectRows(12, {1, 3});
        EXPECT_EQ(ui.listCaretRow(window, 12), 3);

        ui.deleteListRow(window, 12, 1);
        ui.insertListRow(window, 12, 1, "B");
        EXPECT_EQ(user.control(12).rows, (std::vector<std::string>{"a", "B", "c", "d"}));
        EXPECT_EQ(ui.selectedListRows(window, 12), std::vector<int>{3});  // the new row is not selected
        EXPECT_EQ(ui.listCaretRow(window, 12), 3);

        ui.setListRowSelected(window, 12, 0, true);  // adds to the selection, moves the caret
        EXPECT_EQ(ui.selectedListRows(window, 12), (std::vector<int>{0, 3}));
        EXPECT_EQ(ui.listCaretRow(window, 12), 0);
        ui.setListRowSelected(window, 12, 9, true);  // no such row: nothing
        user.ctrlClickRow(12, 0);
        EXPECT_EQ(ui.selectedListRows(window, 12), std::vector<int>{3});

        ui.setListRowSelected(window, 12, 3, true);
        ui.deleteListRow(window, 12, 3);
        EXPECT_EQ(ui.listCaretRow(window, 12), 2);  // the last row went: the caret moves up
        ui.clearList(window, 12);
        EXPECT_EQ(ui.listCaretRow(window, 12), -1);
        EXPECT_THROW(user.clickRow(12, 0), std::logic_error);
        user.pressEscape();
    });
    std::vector<MessageKind> listMessages;
    for (const auto& message : recorder.received)
        if (message.id == 12) listMessages.push_back(message.kind);
    EXPECT_EQ(listMessages, (std::vector<MessageKind>{MessageKind::ListSelectionChange, MessageKind::ListSelectionChange}));
}

TEST(ScriptedWindows, DropDownListsStartWithoutSelection) {
    Recorder recorder;
    recorder.run([](ScriptedUser& user) {
        for (const char* entry : {"", "Spy", "Mystery"}) user.ui.addDropDownEntry(user.window, 13, entry);
        EXPECT_EQ(user.ui.selectedDropDownEntry(user.window, 13), -1);
        user.pickEntry(13, 2);
        EXPECT_EQ(user.ui.selectedDropDownEntry(user.window, 13), 2);
        user.ui.selectDropDownEntry(user.window, 13, -1);
        EXPECT_EQ(user.ui.selectedDropDownEntry(user.window, 13), -1);
        EXPECT_THROW(user.pickEntry(13, 3), std::logic_error);
        user.pressEscape();
    });
}

TEST(ScriptedWindows, MenuItemsChangeByPosition) {
    Recorder recorder;
    recorder.run([](ScriptedUser& user) {
        user.ui.setMenuItemEnabled(user.window, 1, 3, true);
        user.ui.setMenuItemCaption(user.window, 1, 1, "&Open Again");
        EXPECT_EQ(user.state().blueprint.menus[0].items[0].caption, "&Open Again");
        user.chooseMenuItem(1, 1);
        user.chooseMenuItem(1, 3);
        EXPECT_THROW(user.ui.setMenuItemEnabled(user.window, 2, 1, true), std::logic_error);
        user.pressEscape();
    });
    EXPECT_EQ(recorder.commands(), (std::vector<int>{101, 105, EscapeCommand}));
}

TEST(ScriptedWindows, ModalDialogsNestAndMessageBoxesAreRecordedInOrder) {
    ScriptedWindows ui;
    ui.messageBoxes.expect(Answer::Yes);
    ui.queueScript([](ScriptedUser& user) { user.click(30); });  // the outer window
    ui.queueScript([](ScriptedUser& user) {                     // the dialog it opens
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
    EXPECT_EQ(ui.history, (std::vector<std::string>{"window: Sample \x96 dialog", "message box: Question", "window: Inner"}));
    EXPECT_THROW(ui.messageBox("Unforeseen", "Oops", Buttons::Ok, Icon::Stop), std::logic_error);
}

}  // namespace
