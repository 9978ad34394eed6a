#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "platform/qt/list_box.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_text_measure.h"
#include "tests/support/ink_runs.h"
#include "tests/support/run_qt_window.h"
#include "tests/platform/sample_dialog.h"

namespace {

using namespace platform;
using platform::qt::DialogUnits;
using platform::qt::ListBoxView;
using platform::qt::QtWindow;
using platform::qt::QtWindows;

struct QtWindowsTest : ::testing::Test {
    QtWindows windows;
    std::vector<Message> received;

    void run(const WindowSpec& blueprint, const std::function<void(QtWindow&, WindowHandle)>& whileShown) {
        runQtWindow(windows, blueprint, [&](WindowHandle, const Message& message) { received.push_back(message); }, whileShown);
    }

    std::vector<Message> receivedOf(MessageKind kind) const {
        std::vector<Message> found;
        for (const auto& message : received)
            if (message.kind == kind) found.push_back(message);
        return found;
    }

    std::vector<int> commands() const {
        std::vector<int> ids;
        for (const auto& message : receivedOf(MessageKind::Command)) ids.push_back(message.id);
        return ids;
    }
};

TEST_F(QtWindowsTest, ControlsArePlacedInDialogUnitsAndNamedByIdentifier) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle) {
        const DialogUnits units = DialogUnits::of(QApplication::font());
        EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Sample \u2013 dialog"));
        EXPECT_EQ(window.clientArea()->size(), QSize(units.x(300), units.y(150)));
        EXPECT_EQ(window.clientArea()->y(), window.findChild<QMenuBar*>()->height());
        for (const ControlSpec& blueprint : sampleDialog().controls) {
            QWidget* widget = window.control(blueprint.id);
            ASSERT_NE(widget, nullptr) << blueprint.id;
            EXPECT_EQ(widget->objectName(), QString::number(blueprint.id));
            const QRect expected = units.rect(blueprint.x, blueprint.y, blueprint.width, blueprint.height);
            EXPECT_EQ(widget->pos(), expected.topLeft()) << blueprint.id;
            EXPECT_EQ(widget->width(), expected.width()) << blueprint.id;
            if (blueprint.kind == ControlKind::ListBox || blueprint.kind == ControlKind::DropDownList)
                EXPECT_LE(widget->height(), expected.height()) << blueprint.id;
            else
                EXPECT_EQ(widget->height(), expected.height()) << blueprint.id;
        }
        // The list shows whole rows only.
        auto* list = window.control<ListBoxView>(12);
        EXPECT_EQ((list->height() - 2 * list->frameWidth()) % list->rowHeight(), 0);
        EXPECT_EQ(window.control<QLabel>(41)->text(), "R&D");
    });
}

TEST_F(QtWindowsTest, WindowsHaveAFixedSizeAndNoMaximiseBox) {
    WindowSpec blueprint = sampleDialog();
    blueprint.minimiseBox = true;
    run(blueprint, [&](QtWindow& window, WindowHandle) {
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_EQ(window.size(), window.maximumSize());
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    });
}

TEST_F(QtWindowsTest, ButtonsEnterEscapeAndMenuItemsSendCommands) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        QTest::mouseClick(window.control<QPushButton>(30), Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_Return);
        windows.setDefaultButton(handle, 30, false);
        QTest::keyClick(&window, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(&window, Qt::Key_Escape);
        window.menuItem(1, 1)->trigger();
        windows.setMenuItemEnabled(handle, 1, 3, true);
        windows.setMenuItemCaption(handle, 1, 3, "&Quit");
        EXPECT_EQ(window.menuItem(1, 3)->text(), "&Quit");
        window.menuItem(1, 3)->trigger();
        EXPECT_TRUE(window.menuItem(1, 2)->isSeparator());
    });
    EXPECT_EQ(commands(), (std::vector<int>{30, 30, EnterCommand, EscapeCommand, 101, 105}));
}

TEST_F(QtWindowsTest, TheCloseBoxAsksTheHandlerAndTheWindowStays) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle) {
        window.close();
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(receivedOf(MessageKind::CloseRequest).size(), 1u);
    EXPECT_EQ(received.back().kind, MessageKind::Destroy);
}

TEST_F(QtWindowsTest, OnlyTheUsersEditsOfATextBoxAreReported) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* box = window.control<QLineEdit>(11);
        windows.setText(handle, 11, "Caf\xE9");
        EXPECT_EQ(box->text(), QString::fromUtf8("Caf\u00E9"));
        EXPECT_TRUE(receivedOf(MessageKind::TextEdited).empty());
        windows.setText(handle, 11, "Smithers");
        windows.selectText(handle, 11, 3, 8);
        QTest::keyClicks(box, "t");
        EXPECT_EQ(windows.text(handle, 11), "Smit");
    });
    const auto edits = receivedOf(MessageKind::TextEdited);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].id, 11);
}

// Text as an input method or a keyboard layout hands it over, outside Latin-1 too.
void typeUnicode(QWidget* box, const QString& text) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(box, &key);
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(box, &composed);
}

TEST_F(QtWindowsTest, TextBoxesTakeOnlyWhatWindows1252Holds) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* box = window.control<QLineEdit>(11);  // at most 6 characters
        QTest::keyClicks(box, "Caf");
        QApplication::clipboard()->setText(QString::fromUtf8("\u20AC\u4E2D"));  // 中 is not in Windows-1252
        box->paste();
        EXPECT_EQ(windows.text(handle, 11), "Caf");
        typeUnicode(box, QString::fromUtf8("\u00E9"));  // é: twice, by key and by input method
        typeUnicode(box, QString::fromUtf8("\u4E2D"));
        EXPECT_EQ(windows.text(handle, 11), "Caf\xE9\xE9");
        QApplication::clipboard()->setText(QString::fromUtf8("\u20AC!"));
        box->paste();
        EXPECT_EQ(windows.text(handle, 11), "Caf\xE9\xE9\x80");  // the euro sign; the rest is past the limit
    });
    EXPECT_EQ(receivedOf(MessageKind::TextEdited).size(), 6u);
}

TEST_F(QtWindowsTest, ABoxThatDoesNotScrollStopsWhenFullButALongerTextCanBeShortened) {
    WindowSpec blueprint = sampleDialog();
    blueprint.controls.push_back({ControlKind::TextBox, "", 14, 200, 20, 30, 12, style::NoHorizontalScroll});
    run(blueprint, [&](QtWindow& window, WindowHandle handle) {
        auto* box = window.control<QLineEdit>(14);
        QTest::keyClicks(box, QString(40, 'W'));
        EXPECT_GT(box->text().size(), 0);
        EXPECT_LT(box->text().size(), 40);

        windows.setText(handle, 14, std::string(40, 'W'));  // the program's text goes in whole
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, "W");
        EXPECT_EQ(box->text().size(), 40);
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text().size(), 39);
        typeUnicode(box, QString::fromUtf8("\u4E2D"));
        EXPECT_EQ(box->text(), QString(39, 'W'));
    });
}

TEST_F(QtWindowsTest, RadioGroupsAndCheckBoxes) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        windows.setChecked(handle, 21, true);
        windows.setChecked(handle, 23, true);
        QTest::mouseClick(window.control<QRadioButton>(22), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(windows.isChecked(handle, 21));
        EXPECT_TRUE(windows.isChecked(handle, 22));
        EXPECT_TRUE(windows.isChecked(handle, 23));
        windows.setChecked(handle, 22, false);
        EXPECT_FALSE(windows.isChecked(handle, 22));
        QTest::mouseClick(window.control<QCheckBox>(25), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_TRUE(windows.isChecked(handle, 25));
    });
    EXPECT_EQ(commands(), (std::vector<int>{22, 25}));
}

// Tab meets each radio group once, at its checked button or else its first;
// an arrow passes a disabled button by and goes round; a button pressed but
// not clicked does not keep the tab stop.
TEST_F(QtWindowsTest, ARadioGroupIsOneTabStopAtItsCheckedButton) {
    WindowSpec blueprint = sampleDialog();
    blueprint.controls.push_back({ControlKind::RadioButton, "Huge", 26, 200, 85, 60, 10});  // joins Small and Large
    run(blueprint, [&](QtWindow& window, WindowHandle handle) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const auto tabOrder = [&] {
            std::vector<int> visited;
            window.control(11)->setFocus();
            do {
                visited.push_back(QApplication::focusWidget()->objectName().toInt());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            } while (QApplication::focusWidget() != window.control(11) && visited.size() < 20);
            return visited;
        };
        EXPECT_EQ(tabOrder(), (std::vector<int>{11, 12, 13, 21, 23, 25, 30, EscapeCommand}));
        windows.setChecked(handle, 24, true);
        windows.setEnabled(handle, 26, false);
        EXPECT_EQ(tabOrder(), (std::vector<int>{11, 12, 13, 21, 24, 25, 30, EscapeCommand}));

        window.control(24)->setFocus();
        QTest::keyClick(window.control(24), Qt::Key_Down);
        EXPECT_TRUE(windows.isChecked(handle, 23));
        EXPECT_EQ(QApplication::focusWidget(), window.control(23));

        QTest::mousePress(window.control(24), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseRelease(window.control(24), Qt::LeftButton, {}, QPoint(-50, -50));  // let go outside
        EXPECT_FALSE(windows.isChecked(handle, 24));
        EXPECT_EQ(tabOrder(), (std::vector<int>{11, 12, 13, 21, 23, 25, 30, EscapeCommand}));
    });
    EXPECT_EQ(commands(), std::vector<int>{23});
}

TEST_F(QtWindowsTest, DropDownEntriesAreAddedWithoutSelection) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        for (const char* entry : {"", "Spy", "Mystery"}) windows.addDropDownEntry(handle, 13, entry);
        EXPECT_EQ(windows.selectedDropDownEntry(handle, 13), -1);
        windows.selectDropDownEntry(handle, 13, 2);
        EXPECT_EQ(window.control<QComboBox>(13)->currentText(), "Mystery");
        windows.selectDropDownEntry(handle, 13, -1);
        EXPECT_EQ(windows.selectedDropDownEntry(handle, 13), -1);
    });
}

// Clicks, with modifiers, in the middle of a list row.
void clickRow(ListBoxView* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPoint centre = list->visualRect(list->rows->index(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, centre);
}

TEST_F(QtWindowsTest, ListsReportTheUsersSelectionOnly) {
    std::vector<int> caretAtNotification;
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* list = window.control<ListBoxView>(12);
        for (const char* row : {"a", "b", "c", "d"}) windows.appendListRow(handle, 12, row);
        windows.setListRowSelected(handle, 12, 1, true);
        windows.setListRowSelected(handle, 12, 3, true);
        EXPECT_EQ(windows.selectedListRows(handle, 12), (std::vector<int>{1, 3}));
        EXPECT_EQ(windows.listCaretRow(handle, 12), 3);
        EXPECT_TRUE(receivedOf(MessageKind::ListSelectionChange).empty());

        windows.deleteListRow(handle, 12, 1);
        windows.insertListRow(handle, 12, 1, "B");
        EXPECT_EQ(windows.selectedListRows(handle, 12), std::vector<int>{3});
        EXPECT_EQ(list->rows->data(list->rows->index(1), Qt::DisplayRole).toString(), "B");

        clickRow(list, 0);
        caretAtNotification.push_back(windows.listCaretRow(handle, 12));
        clickRow(list, 2, Qt::ControlModifier);
        caretAtNotification.push_back(windows.listCaretRow(handle, 12));
        EXPECT_EQ(windows.selectedListRows(handle, 12), (std::vector<int>{0, 2}));
        // A double click is a click, then the second press.
        clickRow(list, 1);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->rows->index(1)).center());
        EXPECT_EQ(windows.listCaretRow(handle, 12), 1);
    });
    std::vector<MessageKind> kinds;
    for (const auto& message : received)
        if (message.id == 12) kinds.push_back(message.kind);
    // A double click's first click selects the row; then comes the double click.
    using enum MessageKind;
    EXPECT_EQ(kinds, (std::vector<MessageKind>{ListSelectionChange, ListSelectionChange, ListSelectionChange, ListDoubleClick}));
    EXPECT_EQ(caretAtNotification, (std::vector<int>{0, 2}));
}

TEST_F(QtWindowsTest, TheTopRowFollowsScrolling) {
    run(sampleDialog(), [&](QtWindow&, WindowHandle handle) {
        for (int row = 0; row < 100; ++row) windows.appendListRow(handle, 12, "row " + std::to_string(row));
        EXPECT_EQ(windows.listTopRow(handle, 12), 0);
        windows.setListTopRow(handle, 12, 40);
        EXPECT_EQ(windows.listTopRow(handle, 12), 40);
        windows.clearList(handle, 12);
        EXPECT_EQ(windows.listRowCount(handle, 12), 0);
        EXPECT_EQ(windows.listCaretRow(handle, 12), -1);
    });
}

TEST_F(QtWindowsTest, RowsFromASourceAreAskedForWhenFirstNeededAndThenKept) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* list = window.control<ListBoxView>(12);
        std::vector<int> asked(10000, 0);
        windows.setListRows(handle, 12, 10000, [&](int row) {
            ++asked[row];
            return "row " + std::to_string(row);
        });
        EXPECT_EQ(windows.listRowCount(handle, 12), 10000);
        EXPECT_EQ(std::count(asked.begin(), asked.end(), 0), 10000);

        QApplication::processEvents();  // lays the rows out
        list->viewport()->grab();       // draws the rows in view, and only those
        const auto drawn = 10000 - std::count(asked.begin(), asked.end(), 0);
        EXPECT_GT(drawn, 0);
        EXPECT_LT(drawn, 100);
        const QModelIndex far = list->rows->index(7000);
        EXPECT_EQ(list->rows->data(far, Qt::DisplayRole).toString(), "row 7000");
        EXPECT_EQ(list->rows->data(far, Qt::DisplayRole).toString(), "row 7000");
        EXPECT_EQ(asked[7000], 1);

        list->keyboardSearch("q");  // no row starts with it: every row is read, once
        EXPECT_EQ(std::count(asked.begin(), asked.end(), 1), 10000);
    });
}

// What a list shows and how it stands: texts, caret, selection, scrolling.
struct ListState {
    std::vector<QString> texts;
    int caret;
    std::vector<int> selected;
    int top;
    int scrollMaximum;
    bool operator==(const ListState&) const = default;
};

TEST_F(QtWindowsTest, RowsFromASourceBehaveAsRowsAppendedOneByOne) {
    const auto rowText = [](int row) { return "x\trow " + std::to_string(row); };
    const auto scenario = [&](bool fromSource) {
        std::vector<ListState> states;
        run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
            auto* list = window.control<ListBoxView>(12);
            const auto state = [&] {
                QApplication::processEvents();
                ListState now{{}, windows.listCaretRow(handle, 12), windows.selectedListRows(handle, 12),
                              windows.listTopRow(handle, 12), list->verticalScrollBar()->maximum()};
                for (int row = 0; row < list->rows->rowCount(); ++row)
                    now.texts.push_back(list->rows->data(list->rows->index(row), Qt::DisplayRole).toString());
                return now;
            };
            const auto fill = [&](int count) {
                if (fromSource) {
                    windows.setListRows(handle, 12, count, rowText);
                } else {
                    windows.clearList(handle, 12);
                    for (int row = 0; row < count; ++row) windows.appendListRow(handle, 12, rowText(row));
                }
            };
            fill(100);
            states.push_back(state());
            windows.setListRowSelected(handle, 12, 3, true);
            windows.setListRowSelected(handle, 12, 60, true);
            windows.deleteListRow(handle, 12, 3);  // a mark toggled: the row put back in place
            windows.insertListRow(handle, 12, 3, " \trow 3");
            states.push_back(state());
            fill(5);
            states.push_back(state());
            fill(0);
            states.push_back(state());
        });
        return states;
    };
    EXPECT_TRUE(scenario(true) == scenario(false));
}

TEST_F(QtWindowsTest, ListRowsAreDrawnInColumnsAtTheTabStops) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* list = window.control<ListBoxView>(12);
        windows.setListTabStops(handle, 12, {10, 120, 200});
        windows.appendListRow(handle, 12, "x\tAUTHOR\tTITLE\t01-01-2000");
        windows.appendListRow(handle, 12, " \tNO DATE");
        QApplication::processEvents();  // lays the rows out
        const QImage image = list->viewport()->grab().toImage();
        const DialogUnits units = window.dialogUnits();
        const QRect row = list->visualRect(list->rows->index(0));
        const int origin = row.left() + platform::qt::TabbedRowDelegate::TextMargin;
        const std::vector<int> expected = {origin, origin + units.x(10), origin + units.x(120), origin + units.x(200)};
        const std::vector<int> runs = inkRuns(image, row.top(), row.bottom(), units.x(4));
        ASSERT_EQ(runs.size(), expected.size());
        for (std::size_t column = 0; column < runs.size(); ++column) {
            EXPECT_GE(runs[column], expected[column]) << column;
            EXPECT_LE(runs[column], expected[column] + 2) << column;  // the glyph's own left bearing
        }
        const QRect second = list->visualRect(list->rows->index(1));
        EXPECT_EQ(inkRuns(image, second.top(), second.bottom(), units.x(4)).size(), 1u);
    });
}

TEST_F(QtWindowsTest, AWindowOwnedByAnotherOpensAtItsOffsetFromTheOwnersClientArea) {
    WindowSpec inner = sampleDialog();
    inner.caption = "Inner";
    inner.menus.clear();
    inner.placement = Placement::FromOwnerClientArea;
    inner.offsetX = 50;
    inner.offsetY = -5;
    QPoint expected, actual;
    run(sampleDialog(), [&](QtWindow& outer, WindowHandle handle) {
        const DialogUnits units = outer.dialogUnits();
        expected = outer.clientArea()->mapToGlobal(QPoint(0, 0)) + QPoint(units.x(50), units.y(-5));
        windows.runWindow(inner, handle, [&](WindowHandle dialog, const Message& message) {
            if (message.kind != MessageKind::Init) return;
            QTimer::singleShot(0, [&, dialog] {
                actual = windows.find(dialog)->pos();
                EXPECT_TRUE(windows.find(dialog)->isModal());
                windows.endWindow(dialog);
            });
        });
    });
    EXPECT_EQ(actual, expected);
}

TEST_F(QtWindowsTest, TheBackgroundColourIsTheWindowsAloneControlsKeepTheirs) {
    WindowSpec blueprint = sampleDialog();
    blueprint.background = Colour{192, 255, 255};
    run(blueprint, [&](QtWindow& window, WindowHandle) {
        const QImage client = window.clientArea()->grab().toImage();
        EXPECT_EQ(QColor(client.pixel(client.width() - 1, client.height() - 1)), QColor(192, 255, 255));
        const QWidget* label = window.control(41);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    });
}

TEST(QtTextMeasure, FindsTheLongestPrefixThatFits) {
    const QFont font = QApplication::font();
    const platform::qt::QtTextMeasure measure(font);
    const QFontMetrics metrics(font);
    const std::string text = "The Name of the Rose";
    const int width = metrics.horizontalAdvance("The Name of");
    EXPECT_EQ(measure.fittingPrefix(text, width), std::string("The Name of").size());
    EXPECT_EQ(measure.fittingPrefix(text, width - 1), std::string("The Name o").size());
    EXPECT_EQ(measure.fittingPrefix(text, 100000), text.size());
    EXPECT_EQ(measure.fittingPrefix(text, 0), 0u);
    EXPECT_EQ(measure.fittingPrefix("\xC9mile Zola", 100000), 10u);  // one byte per character
}

TEST(QtMessageBoxes, ShowTheConvertedTextAndReturnTheButtonPressed) {
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        box->button(QMessageBox::No)->click();
    });
    platform::qt::QtMessageBoxes boxes;
    EXPECT_EQ(boxes.messageBox("File has changed...\r\nSave it now? \x80", "Save File", Buttons::YesNo, Icon::Question),
              Answer::No);
    EXPECT_EQ(shownText, QString::fromUtf8("File has changed...\nSave it now? \u20AC"));
}

}  // namespace
