#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "platform/bar_chart_layout.h"
#include "platform/qt_desktop/qt_message_boxes.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "tests/platform/sample_dialog.h"
#include "tests/support/ink_runs.h"
#include "tests/support/run_qt_window.h"
#include "tests/support/text_rows.h"

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
        runQtWindow(
            windows, blueprint, [&](WindowHandle, const Message& message) { received.push_back(message); }, whileShown);
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

// Enter on the keypad is Enter too; the menus keep the blueprint's separators.
TEST_F(QtWindowsTest, TheKeypadEnterIsEnterAndMenusKeepTheirSeparators) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle) {
        QTest::keyClick(&window, Qt::Key_Enter, Qt::KeypadModifier);
        const QList<QAction*> items = window.findChild<QMenuBar*>()->actions()[0]->menu()->actions();
        ASSERT_EQ(items.size(), 3);
        EXPECT_EQ(items[0], window.menuItem(101));
        EXPECT_TRUE(items[1]->isSeparator());
        EXPECT_EQ(items[2], window.menuItem(105));
    });
    EXPECT_EQ(commands(), std::vector<int>{30});
}

// Text as an input method or a keyboard layout hands it over, outside Latin-1 too.
void typeUnicode(QWidget* box, const QString& text) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(box, &key);
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(box, &composed);
}

TEST_F(QtWindowsTest, TextBoxesTakeEveryLetterUpToTheirLimit) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* box = window.control<QLineEdit>(11);  // at most 6 characters
        windows.setText(handle, 11, "Caf\u00E9");
        EXPECT_EQ(box->text(), QString::fromUtf8("Caf\u00E9"));
        windows.setText(handle, 11, "");
        QTest::keyClicks(box, "Ca");
        QApplication::clipboard()->setText(QString::fromUtf8("\u20AC\u4E2D"));
        box->paste();
        EXPECT_EQ(windows.text(handle, 11), "Ca\u20AC\u4E2D");
        typeUnicode(box, QString::fromUtf8("\u00E9"));  // é: twice, by key and by input method
        typeUnicode(box, QString::fromUtf8("\u4E2D"));  // past the limit
        EXPECT_EQ(windows.text(handle, 11), "Ca\u20AC\u4E2D\u00E9\u00E9");
        QApplication::clipboard()->setText(QString::fromUtf8("!"));
        box->paste();
        EXPECT_EQ(windows.text(handle, 11), "Ca\u20AC\u4E2D\u00E9\u00E9");
    });
    EXPECT_EQ(receivedOf(MessageKind::TextEdited).size(), 5u);
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

TEST_F(QtWindowsTest, ADropDownShowsItsSelectedEntry) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        for (const char* entry : {"", "Spy", "Mystery"}) windows.addDropDownEntry(handle, 13, entry);
        windows.selectDropDownEntry(handle, 13, 2);
        EXPECT_EQ(window.control<QComboBox>(13)->currentText(), "Mystery");
    });
}

// Rows that count how often the list asked for each.
struct CountingRows final : platform::ListRows {
    mutable std::vector<int> asked = std::vector<int>(10000, 0);
    int count() const override { return static_cast<int>(asked.size()); }
    std::string text(int row) const override {
        ++asked[row];
        return "row " + std::to_string(row);
    }
};

TEST_F(QtWindowsTest, RowsFromASourceAreAskedForWhenFirstNeededAndThenKept) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* list = window.control<ListBoxView>(12);
        const CountingRows rows;
        const std::vector<int>& asked = rows.asked;
        windows.setListRows(handle, 12, rows);
        EXPECT_EQ(list->rows->rowCount(), 10000);
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

TEST_F(QtWindowsTest, ListRowsAreDrawnInColumnsAtTheTabStops) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* list = window.control<ListBoxView>(12);
        windows.setListTabStops(handle, 12, {10, 120, 200});
        const TextRows rows{"x\tAUTHOR\tTITLE\t01-01-2000", " \tNO DATE"};
        windows.setListRows(handle, 12, rows);
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

// A part measured in one font is measured again in a font twice the size,
// where it passes the next stop: the part after it moves on to the last.
TEST_F(QtWindowsTest, ListPartsAreMeasuredAgainInANewFont) {
    run(sampleDialog(), [&](QtWindow& window, WindowHandle handle) {
        auto* list = window.control<ListBoxView>(12);
        const DialogUnits units = window.dialogUnits();
        int stop = 1;
        while (units.x(stop) <= list->fontMetrics().horizontalAdvance("WWW") + units.x(6)) ++stop;
        windows.setListTabStops(handle, 12, {stop, 200});
        const TextRows rows{"WWW\tEND"};
        windows.setListRows(handle, 12, rows);
        list->viewport()->grab();  // measured in the first font
        QFont larger = list->font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        list->setFont(larger);
        QApplication::processEvents();
        const QRect row = list->visualRect(list->rows->index(0));
        const auto starts = inkRuns(list->viewport()->grab().toImage(), row.top(), row.bottom(), units.x(4));
        ASSERT_EQ(starts.size(), 2u);
        EXPECT_GE(starts[1], row.left() + platform::qt::TabbedRowDelegate::TextMargin + units.x(200));
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

// The columns of an image holding the bars' colour, as runs from left to
// right: where each run starts and ends, and its top and bottom rows.
struct BarRun {
    int left, right, top, bottom;
};
std::vector<BarRun> barRuns(const QImage& image) {
    const QColor fill(ChartBarColour.red, ChartBarColour.green, ChartBarColour.blue);
    std::vector<BarRun> runs;
    for (int x = 0; x < image.width(); ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (QColor(image.pixel(x, y)) != fill) continue;
            if (top < 0) top = y;
            bottom = y;
        }
        if (top < 0) continue;
        if (!runs.empty() && runs.back().right == x - 1)
            runs.back().right = x;
        else
            runs.push_back({x, x, top, bottom});
    }
    return runs;
}

// Drawn offscreen, the bars stand on one axis in their order, each as high
// as its value puts it (none for 0), with its value above it and its label
// below the axis; screen readers get the text equivalent.
TEST_F(QtWindowsTest, ABarChartDrawsItsBarsWhereTheirValuesPutThem) {
    WindowSpec blueprint;
    blueprint.caption = "Chart";
    blueprint.width = 200;
    blueprint.height = 130;
    blueprint.controls = {{ControlKind::BarChart, "", 50, 5, 5, 190, 120}};
    run(blueprint, [&](QtWindow& window, WindowHandle handle) {
        windows.setChartBars(handle, 50, {{"1999", 4}, {"2000", 0}, {"2001", 2}, {"2002", 4}});
        QWidget* chart = window.control(50);
        EXPECT_EQ(chart->accessibleDescription(), "1999: 4, 2000: 0, 2001: 2, 2002: 4");
        EXPECT_EQ(chart->focusPolicy(), Qt::NoFocus);
        const QImage image = chart->grab().toImage();
        const std::vector<BarRun> runs = barRuns(image);
        ASSERT_EQ(runs.size(), 3u);
        const auto height = [](const BarRun& run) { return run.bottom - run.top + 1; };
        const auto centre = [](const BarRun& run) { return (run.left + run.right) / 2; };
        for (const BarRun& run : runs) EXPECT_EQ(run.bottom, runs[0].bottom);
        EXPECT_EQ(height(runs[0]), height(runs[2]));
        EXPECT_NEAR(height(runs[1]) * 2, height(runs[0]), 1);
        EXPECT_GT(height(runs[0]), image.height() / 2);
        // The 0 bar's column lies between 1999 and 2001: 2001 is two columns on.
        EXPECT_NEAR(centre(runs[1]) - centre(runs[0]), 2 * (centre(runs[2]) - centre(runs[1])), 2);
        const int textHeight = chart->fontMetrics().height();
        for (const BarRun& run : runs) {
            EXPECT_FALSE(inkRuns(image.copy(run.left, run.top - textHeight, run.right - run.left + 1, textHeight), 0,
                                 textHeight - 1, 1)
                             .empty());
            EXPECT_FALSE(inkRuns(image.copy(run.left, run.bottom + 3, run.right - run.left + 1, textHeight), 0,
                                 textHeight - 1, 1)
                             .empty());
        }
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
    EXPECT_EQ(measure.fittingPrefix("\u00C9mile Zola", 100000), 11u);  // answered in bytes of the UTF-8 text
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
    EXPECT_EQ(
        boxes.messageBox("File has changed...\r\nSave it now? \u20AC", "Save File", Buttons::YesNo, Icon::Question),
        Answer::No);
    EXPECT_EQ(shownText, QString::fromUtf8("File has changed...\nSave it now? \u20AC"));
}

}  // namespace
