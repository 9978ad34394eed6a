#pragma once

// What every implementation of platform::Windows promises, written once and
// run against each through a backend adapter. An adapter holds the
// implementation and acts as the user does on that platform:
//
//   Windows& windows();
//   // Runs the window; `whileShown` acts on it once it is up (not when the
//   // handler ended it during Init), then the window ends if still running.
//   void run(const WindowSpec&, WindowHandle owner, const Handler&, const std::function<void(WindowHandle)>&
//   whileShown); bool isShown(WindowHandle);                      // on the screen void click(WindowHandle, int id); //
//   push button, check box, radio button void chooseMenuItem(WindowHandle, int command); void pressEnter(WindowHandle);
//   void pressEscape(WindowHandle);  void closeBox(WindowHandle); void typeKeys(WindowHandle, int id, const
//   std::string& keys);  // into a text box void paste(WindowHandle, int id, const std::string& text);     // into a
//   text box, through the clipboard void clickRow(WindowHandle, int id, int row);  void ctrlClickRow(...);  void
//   doubleClickRow(...); std::vector<std::string> rowTexts(WindowHandle, int id);     // what a list shows bool
//   menuItemEnabled(WindowHandle, int command);  std::string menuItemCaption(WindowHandle, int command); std::string
//   chartText(WindowHandle, int id);  // what a screen reader is told of a bar chart

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/window.h"
#include "tests/platform/sample_dialog.h"
#include "tests/support/text_rows.h"

template <typename Backend>
struct WindowsContract : ::testing::Test {
    Backend backend;
    platform::Windows& windows = backend.windows();
    std::vector<platform::Message> received;

    // Runs the sample dialog: records every message, passes it on to
    // `also`, and ends the window on Cancel (the Escape command).
    void run(const std::function<void(platform::WindowHandle)>& whileShown,
             const std::function<void(platform::WindowHandle, const platform::Message&)>& also = {}) {
        backend.run(sampleDialog(), {}, recordingHandler(also), whileShown);
    }

    platform::Handler recordingHandler(
        const std::function<void(platform::WindowHandle, const platform::Message&)>& also) {
        return [this, also](platform::WindowHandle window, const platform::Message& message) {
            received.push_back(message);
            if (also) also(window, message);
            if (message.kind == platform::MessageKind::Command && message.id == platform::EscapeCommand)
                windows.endWindow(window);
        };
    }

    std::vector<platform::MessageKind> kinds() const {
        std::vector<platform::MessageKind> found;
        for (const auto& message : received) found.push_back(message.kind);
        return found;
    }

    std::vector<int> commands() const {
        std::vector<int> ids;
        for (const auto& message : received)
            if (message.kind == platform::MessageKind::Command) ids.push_back(message.id);
        return ids;
    }
};

TYPED_TEST_SUITE_P(WindowsContract);

using platform::MessageKind;
using platform::WindowHandle;

TYPED_TEST_P(WindowsContract, InitComesBeforeTheWindowIsShownAndDestroyLast) {
    std::vector<bool> shownAt;  // at Init, while shown, at Destroy
    this->run([&](WindowHandle window) { shownAt.push_back(this->backend.isShown(window)); },
              [&](WindowHandle window, const platform::Message& message) {
                  if (message.kind == MessageKind::Init || message.kind == MessageKind::Destroy)
                      shownAt.push_back(this->backend.isShown(window));
              });
    EXPECT_EQ(shownAt, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(this->kinds(), (std::vector<MessageKind>{MessageKind::Init, MessageKind::Destroy}));

    // A window its handler ends during Init is never shown.
    this->received.clear();
    bool acted = false;
    this->backend.run(sampleDialog(), {},
                      this->recordingHandler([&](WindowHandle window, const platform::Message& message) {
                          if (message.kind == MessageKind::Init) this->windows.endWindow(window);
                      }),
                      [&](WindowHandle) { acted = true; });
    EXPECT_FALSE(acted);
    EXPECT_EQ(this->kinds(), (std::vector<MessageKind>{MessageKind::Init, MessageKind::Destroy}));
}

// Enter presses the enabled default button, else sends EnterCommand; Escape
// sends EscapeCommand; the close box asks, and the window stays until its
// handler ends it.
TYPED_TEST_P(WindowsContract, EnterEscapeAndTheCloseBoxAreThreeDifferentMessages) {
    bool stayedAfterCloseBox = false;
    this->run([&](WindowHandle window) {
        this->backend.pressEnter(window);
        this->windows.setEnabled(window, 30, false);
        this->backend.pressEnter(window);
        this->windows.setEnabled(window, 30, true);
        this->windows.setDefaultButton(window, 30, false);
        this->backend.pressEnter(window);
        this->backend.closeBox(window);
        stayedAfterCloseBox = this->backend.isShown(window);
        this->backend.pressEscape(window);
    });
    EXPECT_TRUE(stayedAfterCloseBox);
    using enum MessageKind;
    EXPECT_EQ(this->kinds(),
              (std::vector<MessageKind>{Init, Command, Command, Command, CloseRequest, Command, Destroy}));
    EXPECT_EQ(this->commands(),
              (std::vector<int>{30, platform::EnterCommand, platform::EnterCommand, platform::EscapeCommand}));
}

// Menu items are addressed by their command; a caption change keeps it.
TYPED_TEST_P(WindowsContract, ButtonsAndMenuItemsSendTheirCommands) {
    this->run([&](WindowHandle window) {
        this->backend.click(window, 30);
        this->backend.chooseMenuItem(window, 101);
        EXPECT_FALSE(this->backend.menuItemEnabled(window, 105));
        this->windows.setMenuItemEnabled(window, 105, true);
        EXPECT_TRUE(this->backend.menuItemEnabled(window, 105));
        this->windows.setMenuItemCaption(window, 101, "&Open Again");
        EXPECT_EQ(this->backend.menuItemCaption(window, 101), "&Open Again");
        this->backend.chooseMenuItem(window, 101);
        this->backend.chooseMenuItem(window, 105);
        this->backend.click(window, platform::EscapeCommand);
    });
    EXPECT_EQ(this->commands(), (std::vector<int>{30, 101, 101, 105, platform::EscapeCommand}));
}

TYPED_TEST_P(WindowsContract, NoOperationOfTheProgramSendsANotification) {
    const TextRows rows{"a", "b", "c"};
    this->run([&](WindowHandle window) {
        platform::Windows& windows = this->windows;
        windows.setText(window, 11, "Smith");
        windows.selectText(window, 11, 1, 3);
        windows.setText(window, 41, "Label");
        windows.setEnabled(window, 25, false);
        windows.setEnabled(window, 25, true);
        windows.setFocus(window, 11);
        windows.setDefaultButton(window, 30, false);
        windows.setChecked(window, 21, true);
        windows.setChecked(window, 22, true);
        windows.setChecked(window, 25, true);
        windows.setListTabStops(window, 12, {10, 50});
        windows.setListRedraw(window, 12, false);
        windows.setListRows(window, 12, rows);
        windows.setListRedraw(window, 12, true);
        windows.setListRowText(window, 12, 1, "B");
        windows.setListRowSelected(window, 12, 1, true);
        windows.setListRowSelected(window, 12, 2, true);
        windows.setListRowSelected(window, 12, 1, false);
        windows.setListTopRow(window, 12, 1);
        windows.addDropDownEntry(window, 13, "Spy");
        windows.selectDropDownEntry(window, 13, 0);
        windows.setMenuItemEnabled(window, 101, false);
        windows.setMenuItemCaption(window, 101, "&Open");
    });
    EXPECT_EQ(this->kinds(), (std::vector<MessageKind>{MessageKind::Init, MessageKind::Destroy}));
}

// Each style::GroupStart begins a group; checking a button, by the program
// or by a click, unchecks the others of its group only.
TYPED_TEST_P(WindowsContract, RadioButtonsAreExclusiveWithinTheirGroupAndCheckBoxesToggle) {
    this->run([&](WindowHandle window) {
        platform::Windows& windows = this->windows;
        windows.setChecked(window, 21, true);
        windows.setChecked(window, 23, true);
        this->backend.click(window, 22);
        EXPECT_FALSE(windows.isChecked(window, 21));
        EXPECT_TRUE(windows.isChecked(window, 22));
        EXPECT_TRUE(windows.isChecked(window, 23));
        EXPECT_FALSE(windows.isChecked(window, 24));
        windows.setChecked(window, 24, true);
        EXPECT_FALSE(windows.isChecked(window, 23));
        EXPECT_TRUE(windows.isChecked(window, 22));
        windows.setChecked(window, 22, false);  // the program may leave a group unchecked
        EXPECT_FALSE(windows.isChecked(window, 22));
        this->backend.click(window, 25);
        EXPECT_TRUE(windows.isChecked(window, 25));
        this->backend.click(window, 25);
        EXPECT_FALSE(windows.isChecked(window, 25));
    });
    EXPECT_EQ(this->commands(), (std::vector<int>{22, 25, 25}));
}

// Box 11 holds at most six characters.
TYPED_TEST_P(WindowsContract, TextEditedComesForTheUsersEditsOnly) {
    std::vector<std::string> seen;  // the box's text at each TextEdited
    this->run(
        [&](WindowHandle window) {
            platform::Windows& windows = this->windows;
            windows.setText(window, 11, "Caf\u00E9");
            EXPECT_EQ(windows.text(window, 11), "Caf\u00E9");
            windows.setText(window, 11, "");
            this->backend.typeKeys(window, 11, "Smi");
            windows.setText(window, 11, "Smithers");  // as a completion would; the box keeps six
            EXPECT_EQ(windows.text(window, 11), "Smithe");
            windows.selectText(window, 11, 3, 6);
            this->backend.typeKeys(window, 11, "t");
            EXPECT_EQ(windows.text(window, 11), "Smit");
            this->backend.typeKeys(window, 11, "hsonXY");
            EXPECT_EQ(windows.text(window, 11), "Smiths");
        },
        [&](WindowHandle window, const platform::Message& message) {
            if (message.kind == MessageKind::TextEdited) {
                EXPECT_EQ(message.id, 11);
                seen.push_back(this->windows.text(window, message.id));
            }
        });
    EXPECT_EQ(seen, (std::vector<std::string>{"S", "Sm", "Smi", "Smit", "Smith", "Smiths"}));
}

// The program's selection adds a row (the caret goes to it) or takes it
// out; the user's clicks notify once each, with the caret already moved.
TYPED_TEST_P(WindowsContract, ListSelectionAndCaretRows) {
    const TextRows rows{"a", "b", "c", "d"};
    const TextRows none{};
    std::vector<int> caretAtNotification;
    this->run(
        [&](WindowHandle window) {
            platform::Windows& windows = this->windows;
            EXPECT_EQ(windows.listCaretRow(window, 12), -1);
            windows.setListRows(window, 12, rows);
            EXPECT_EQ(this->backend.rowTexts(window, 12), rows.texts);
            EXPECT_EQ(windows.listCaretRow(window, 12), 0);
            EXPECT_TRUE(windows.selectedListRows(window, 12).empty());
            windows.setListRowSelected(window, 12, 3, true);
            windows.setListRowSelected(window, 12, 1, true);
            EXPECT_EQ(windows.selectedListRows(window, 12), (std::vector<int>{1, 3}));
            EXPECT_EQ(windows.listCaretRow(window, 12), 1);
            windows.setListRowText(window, 12, 1, "B");
            EXPECT_EQ(this->backend.rowTexts(window, 12), (std::vector<std::string>{"a", "B", "c", "d"}));
            EXPECT_EQ(windows.selectedListRows(window, 12), (std::vector<int>{1, 3}));
            windows.setListRowSelected(window, 12, 1, false);
            EXPECT_EQ(windows.selectedListRows(window, 12), std::vector<int>{3});

            this->backend.clickRow(window, 12, 0);
            EXPECT_EQ(windows.selectedListRows(window, 12), std::vector<int>{0});
            this->backend.ctrlClickRow(window, 12, 2);
            EXPECT_EQ(windows.selectedListRows(window, 12), (std::vector<int>{0, 2}));
            this->backend.ctrlClickRow(window, 12, 0);
            EXPECT_EQ(windows.selectedListRows(window, 12), std::vector<int>{2});
            this->backend.doubleClickRow(window, 12, 1);
            EXPECT_EQ(windows.selectedListRows(window, 12), std::vector<int>{1});
            EXPECT_EQ(windows.listCaretRow(window, 12), 1);

            windows.setListRows(window, 12, none);
            EXPECT_EQ(windows.listCaretRow(window, 12), -1);
            EXPECT_TRUE(windows.selectedListRows(window, 12).empty());
        },
        [&](WindowHandle window, const platform::Message& message) {
            if (message.kind == MessageKind::ListSelectionChange)
                caretAtNotification.push_back(this->windows.listCaretRow(window, message.id));
        });
    std::vector<MessageKind> listMessages;
    for (const auto& message : this->received)
        if (message.id == 12) listMessages.push_back(message.kind);
    using enum MessageKind;
    // A double click's first click selects the row; then comes the double click.
    EXPECT_EQ(listMessages, (std::vector<MessageKind>{ListSelectionChange, ListSelectionChange, ListSelectionChange,
                                                      ListSelectionChange, ListDoubleClick}));
    EXPECT_EQ(caretAtNotification, (std::vector<int>{0, 2, 0, 1}));
}

TYPED_TEST_P(WindowsContract, TheTopRowFollowsScrolling) {
    std::vector<std::string> texts;
    for (int row = 0; row < 100; ++row) texts.push_back("row " + std::to_string(row));
    const TextRows hundred(texts);
    this->run([&](WindowHandle window) {
        platform::Windows& windows = this->windows;
        windows.setListRows(window, 12, hundred);
        EXPECT_EQ(windows.listTopRow(window, 12), 0);
        windows.setListTopRow(window, 12, 40);
        EXPECT_EQ(windows.listTopRow(window, 12), 40);
    });
}

TYPED_TEST_P(WindowsContract, DropDownEntriesAreAddedWithoutSelection) {
    this->run([&](WindowHandle window) {
        platform::Windows& windows = this->windows;
        for (const char* entry : {"", "Spy", "Mystery"}) windows.addDropDownEntry(window, 13, entry);
        EXPECT_EQ(windows.selectedDropDownEntry(window, 13), -1);
        windows.selectDropDownEntry(window, 13, 2);
        EXPECT_EQ(windows.selectedDropDownEntry(window, 13), 2);
        windows.selectDropDownEntry(window, 13, 3);  // no such entry: nothing changes
        EXPECT_EQ(windows.selectedDropDownEntry(window, 13), 2);
        windows.selectDropDownEntry(window, 13, -1);
        EXPECT_EQ(windows.selectedDropDownEntry(window, 13), -1);
    });
}

// An identifier no control carries, a command no item sends, a row that does
// not exist: operations are ignored and reads answer the empty value.
TYPED_TEST_P(WindowsContract, WhatDoesNotExistIsIgnoredAndReadsAsEmpty) {
    constexpr int missing = 99;
    const TextRows rows{"a", "b"};
    this->run([&](WindowHandle window) {
        platform::Windows& windows = this->windows;
        windows.setText(window, missing, "text");
        windows.setPathText(window, missing, platform::SystemPath::fromSystem("/tmp"));
        windows.setEnabled(window, missing, false);
        windows.setFocus(window, missing);
        windows.setDefaultButton(window, missing, true);
        windows.setChecked(window, missing, true);
        windows.selectText(window, missing, 0, 1);
        windows.setListTabStops(window, missing, {10});
        windows.setListRows(window, missing, rows);
        windows.setListRowText(window, missing, 0, "x");
        windows.setListRowSelected(window, missing, 0, true);
        windows.setListTopRow(window, missing, 0);
        windows.setListRedraw(window, missing, false);
        windows.addDropDownEntry(window, missing, "x");
        windows.selectDropDownEntry(window, missing, 0);
        windows.setMenuItemEnabled(window, missing, true);
        windows.setMenuItemCaption(window, missing, "x");
        EXPECT_EQ(windows.text(window, missing), "");
        EXPECT_EQ(windows.pathText(window, missing), platform::SystemPath());
        EXPECT_FALSE(windows.isChecked(window, missing));
        EXPECT_TRUE(windows.selectedListRows(window, missing).empty());
        EXPECT_EQ(windows.listCaretRow(window, missing), -1);
        EXPECT_EQ(windows.listTopRow(window, missing), -1);
        EXPECT_EQ(windows.selectedDropDownEntry(window, missing), -1);

        windows.setListRows(window, 12, rows);
        windows.setListRowText(window, 12, 2, "c");
        windows.setListRowText(window, 12, -1, "c");
        windows.setListRowSelected(window, 12, 2, true);
        windows.setListTopRow(window, 12, 5);
        EXPECT_EQ(this->backend.rowTexts(window, 12), rows.texts);
        EXPECT_TRUE(windows.selectedListRows(window, 12).empty());
        EXPECT_EQ(windows.listCaretRow(window, 12), 0);
        EXPECT_EQ(windows.listTopRow(window, 12), 0);
        EXPECT_TRUE(this->backend.menuItemEnabled(window, 101));
        this->backend.click(window, 30);  // the window still answers
    });
    EXPECT_EQ(this->commands(), std::vector<int>{30});
}

// A window run from a handler is modal: runWindow returns once it has ended,
// and the owner goes on afterwards.
TYPED_TEST_P(WindowsContract, ModalWindowsNest) {
    std::vector<std::string> events;
    platform::WindowSpec inner = sampleDialog();
    inner.caption = "Inner";
    this->run(
        [&](WindowHandle window) {
            this->backend.click(window, 30);
            events.push_back("outer goes on");
            this->backend.click(window, 25);
        },
        [&](WindowHandle window, const platform::Message& message) {
            if (message.kind != MessageKind::Command || message.id != 30) return;
            events.push_back("outer opens");
            this->backend.run(
                inner, window,
                [&](WindowHandle dialog, const platform::Message& inside) {
                    if (inside.kind == MessageKind::Init) events.push_back("inner Init");
                    if (inside.kind == MessageKind::Destroy) events.push_back("inner Destroy");
                    if (inside.kind == MessageKind::Command && inside.id == platform::EscapeCommand) {
                        events.push_back("inner Escape");
                        this->windows.endWindow(dialog);
                    }
                },
                [&](WindowHandle dialog) {
                    EXPECT_NE(dialog, window);
                    EXPECT_TRUE(this->backend.isShown(window));
                    this->backend.pressEscape(dialog);
                });
            events.push_back("outer back");
        });
    EXPECT_EQ(events, (std::vector<std::string>{"outer opens", "inner Init", "inner Escape", "inner Destroy",
                                                "outer back", "outer goes on"}));
    EXPECT_EQ(this->commands(), (std::vector<int>{30, 25}));
}

// A bar chart takes its bars as data, sends nothing for them, and tells
// screen readers each bar's label and value.
TYPED_TEST_P(WindowsContract, ABarChartTellsItsBarsAsText) {
    platform::WindowSpec blueprint = sampleDialog();
    blueprint.controls.push_back({platform::ControlKind::BarChart, "", 50, 205, 85, 90, 30});
    this->backend.run(blueprint, {}, this->recordingHandler({}), [&](WindowHandle window) {
        EXPECT_EQ(this->backend.chartText(window, 50), "");
        this->windows.setChartBars(window, 50, {{"2019", 3}, {"2020", 0}, {"Caf\u00E9", 12}});
        EXPECT_EQ(this->backend.chartText(window, 50), "2019: 3, 2020: 0, Caf\u00E9: 12");
        this->windows.setChartBars(window, 99, {{"missing", 1}});
        this->windows.setChartBars(window, 50, {});
        EXPECT_EQ(this->backend.chartText(window, 50), "");
    });
    EXPECT_EQ(this->kinds(), (std::vector<MessageKind>{MessageKind::Init, MessageKind::Destroy}));
}

// A text box takes every character, of any script, typed or pasted, and
// reads back the same UTF-8; its limit counts characters, whatever their size.
TYPED_TEST_P(WindowsContract, TextBoxesTakeEveryScriptAndCountCharacters) {
    platform::WindowSpec blueprint = sampleDialog();
    blueprint.controls.push_back({platform::ControlKind::TextBox, "", 60, 5, 100, 150, 12, platform::style::None, 255});
    // Cyrillic, Greek, Japanese, Hebrew (right to left), a combining accent, emoji with a skin tone.
    const std::string typed =
        "\u0416\u0443\u043A \u03BB\u03CC\u03B3\u03BF\u03C2 \u65E5\u672C\u8A9E \u05E9\u05DC\u05D5\u05DD e\u0301 ";
    const std::string pasted =
        "\u0401\u0436 \u03A9 \u6771\u4EAC \u05E2\u05D1\u05E8\u05D9\u05EA Cafe\u0301 \U0001F44D\U0001F3FD";
    const std::string emoji = "\U0001F600";  // four bytes, two UTF-16 units
    std::string emojis;
    for (int i = 0; i < 254; ++i) emojis += emoji;
    this->backend.run(blueprint, {}, this->recordingHandler({}), [&](WindowHandle window) {
        this->backend.typeKeys(window, 60, typed);
        this->backend.paste(window, 60, pasted);
        EXPECT_EQ(this->windows.text(window, 60), typed + pasted);
        this->windows.setText(window, 60, "");
        this->backend.paste(window, 60, emojis);
        this->backend.typeKeys(window, 60, emoji + "\U0001F601");  // the 255th fits, the 256th does not
        EXPECT_EQ(this->windows.text(window, 60), emojis + emoji);
        // A paste longer than the room left is cut to it.
        this->windows.setText(window, 60, "");
        this->backend.paste(window, 60, std::string(250, 'a'));
        this->backend.paste(window, 60, "\u0416\u0443\u043A \U0001F600\u05E9\u05DC");
        EXPECT_EQ(this->windows.text(window, 60), std::string(250, 'a') + "\u0416\u0443\u043A \U0001F600");
    });
}

REGISTER_TYPED_TEST_SUITE_P(WindowsContract, InitComesBeforeTheWindowIsShownAndDestroyLast,
                            EnterEscapeAndTheCloseBoxAreThreeDifferentMessages, ButtonsAndMenuItemsSendTheirCommands,
                            NoOperationOfTheProgramSendsANotification,
                            RadioButtonsAreExclusiveWithinTheirGroupAndCheckBoxesToggle,
                            TextEditedComesForTheUsersEditsOnly, ListSelectionAndCaretRows, TheTopRowFollowsScrolling,
                            DropDownEntriesAreAddedWithoutSelection, WhatDoesNotExistIsIgnoredAndReadsAsEmpty,
                            ModalWindowsNest, ABarChartTellsItsBarsAsText, TextBoxesTakeEveryScriptAndCountCharacters);
