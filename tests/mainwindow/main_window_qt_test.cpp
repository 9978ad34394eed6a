#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/marks.h"
#include "core/ordering.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "mainwindow/status_line.h"
#include "mainwindow/startup.h"
#include "platform/help_contents.h"
#include "platform/qt_desktop/qt_help_viewer.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/system_files.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/scripted_message_boxes.h"
#include "storage/catalogue_file.h"
#include "tests/support/ink_runs.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::qt::DialogUnits;
using platform::qt::ListBoxView;
using platform::qt::QtWindow;

// The real main window on the Qt platform, with the sample catalogue loaded
// as start-up loads it.
struct MainWindowOnQt : ::testing::Test {
    platform::qt::QtWindows windows;
    platform::scripted::ScriptedMessageBoxes noMessages;
    platform::qt::QtHelpViewer help{windows};
    platform::scripted::FixedClock clock{2026};
    const platform::qt::QtTextMeasure measure =
        platform::qt::QtTextMeasure::inDialogUnits(QApplication::font(), ListTextUnit);
    Catalogue catalogue;
    OpenedFile file;
    MainWindowState state;
    MainWindow main{catalogue, file, state, windows, noMessages, platform::systemFiles(), help, clock};

    MainWindowOnQt() {
        state.listMeasure = &measure;
        file.path = platform::SystemPath::fromSystem(QUORVELS_SAMPLE);
        StorageDialogue dialogue = storageDialogueOf(main);
        dialogue.hold = nullptr;  // the sample is shared by the tests running at the same time
        loadCatalogueTelling(catalogue, file, dialogue);
    }

    // Runs the main window and calls `whileShown` once it is up and laid out.
    void run(const std::function<void(QtWindow&)>& whileShown) {
        QTimer::singleShot(0, [&] {
            QApplication::processEvents();
            QtWindow* window = windows.find(state.window);
            ASSERT_NE(window, nullptr);
            whileShown(*window);
            window->close();  // the close box
        });
        runMainWindow(main);
        EXPECT_FALSE(state.window);
    }
};

TEST_F(MainWindowOnQt, TheWindowIsBuiltFromItsTable) {
    run([&](QtWindow& window) {
        const DialogUnits units = window.dialogUnits();
        EXPECT_EQ(window.windowTitle(), "Quorvels - Lectorium");
        EXPECT_EQ(window.clientArea()->size(), QSize(units.x(400), units.y(280)));
        EXPECT_FALSE(window.windowIcon().isNull());
        for (const platform::ControlSpec& blueprint : mainWindowSpec().controls) {
            const QWidget* widget = window.control(blueprint.id);
            ASSERT_NE(widget, nullptr) << blueprint.id;
            EXPECT_EQ(widget->objectName(), QString::number(blueprint.id));
        }
        // Not resizable, no maximise box; a minimise box.
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        // Pale cyan behind the controls, the toolkit's own colours on them.
        const QImage client = window.clientArea()->grab().toImage();
        EXPECT_EQ(QColor(client.pixel(units.x(5), units.y(25))), QColor(192, 255, 255));
        EXPECT_NE(QColor(client.pixel(units.x(300), units.y(10))), QColor(192, 255, 255));  // the toolbar panel
    });
}

// The rectangles of the controls, found by caption where several share an identifier.
struct Layout {
    QRect list, toolbar, xHeader, authorHeader, titleHeader, dateHeader;
    std::vector<QRect> buttons, statusPanels, statusLabels;

    explicit Layout(const QtWindow& window) {
        const QWidget* client = window.clientArea();
        list = window.control(BookListId)->geometry();
        toolbar = window.control(ToolbarPanelId)->geometry();
        for (int id = MarkButtonId; id <= QuitButtonId; ++id) buttons.push_back(window.control(id)->geometry());
        for (int field = 1; field <= 4; ++field)
            statusLabels.push_back(window.control(statusLabelId(static_cast<StatusField>(field)))->geometry());
        for (const QWidget* child : client->findChildren<QWidget*>(QString::number(StatusPanelId)))
            statusPanels.push_back(child->geometry());
        std::sort(statusPanels.begin(), statusPanels.end(), [](QRect a, QRect b) { return a.left() < b.left(); });
        for (const QLabel* label : client->findChildren<QLabel*>(QStringLiteral("-1"))) {
            if (label->text() == "x") xHeader = label->geometry();
            if (label->text() == "   Author") authorHeader = label->geometry();
            if (label->text() == "   Title") titleHeader = label->geometry();
            if (label->text() == "   Date") dateHeader = label->geometry();
        }
    }
};

TEST_F(MainWindowOnQt, EveryControlSitsWhereTheTablePutsItAmongTheOthers) {
    run([&](QtWindow& window) {
        const DialogUnits units = window.dialogUnits();
        const Layout at(window);
        const int client = window.clientArea()->width();

        // The toolbar: ten buttons on one line inside the panel, in groups 8, 8 and 7 units apart.
        for (const QRect& button : at.buttons) {
            EXPECT_EQ(button.top(), at.buttons[0].top());
            EXPECT_TRUE(at.toolbar.contains(button));
        }
        const std::vector<int> gapsAfter = {0, 0, 0, 8, 0, 0, 8, 0, 7};
        for (std::size_t i = 0; i + 1 < at.buttons.size(); ++i)
            EXPECT_NEAR(at.buttons[i + 1].left() - at.buttons[i].right() - 1, units.x(gapsAfter[i]), 1) << i;
        EXPECT_NEAR(client - at.toolbar.width(), units.x(4), 1);

        // The status row: four panels side by side, each holding its label.
        ASSERT_EQ(at.statusPanels.size(), 4u);
        EXPECT_EQ(at.statusPanels[0].left(), 0);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(at.statusPanels[i].top(), units.y(240));
            EXPECT_TRUE(at.statusPanels[i].contains(at.statusLabels[i])) << i;
            if (i > 0) {
                EXPECT_EQ(at.statusPanels[i].left(), at.statusPanels[i - 1].right() + 1);
            }
        }
        EXPECT_EQ(at.statusPanels[3].right() + 1, units.x(396));

        // The headers sit right on the list, their left edges on its tab stops,
        // and the last one ends 10 units short of the list's right edge.
        for (const QRect& header : {at.xHeader, at.authorHeader, at.titleHeader, at.dateHeader})
            EXPECT_EQ(header.bottom() + 1, at.list.top());
        EXPECT_EQ(at.xHeader.left(), at.list.left());
        EXPECT_NEAR(at.authorHeader.left() - at.list.left(), units.x(AuthorTabStop), 1);
        EXPECT_NEAR(at.titleHeader.left() - at.list.left(), units.x(TitleTabStop), 1);
        EXPECT_NEAR(at.dateHeader.left() - at.list.left(), units.x(DateTabStop), 1);
        EXPECT_NEAR(at.list.right() - at.dateHeader.right(), units.x(10), 1);

        // The list ends on a whole row, above the status row.
        EXPECT_LE(at.list.bottom(), at.statusPanels[0].top());
        EXPECT_GT(at.list.bottom(),
                  at.statusPanels[0].top() - window.control<ListBoxView>(BookListId)->rowHeight() - 4);
    });
}

TEST_F(MainWindowOnQt, TheListDrawsItsColumnsUnderTheHeaders) {
    run([&](QtWindow& window) {
        const Layout at(window);
        auto* list = window.control<ListBoxView>(BookListId);
        windows.setListRowSelected(state.window, BookListId, 0, false);  // plain ink on the base colour
        QApplication::processEvents();
        const QImage image = list->viewport()->grab().toImage();
        const QRect row = list->visualRect(list->rows->index(0));
        const int viewportLeft = list->viewport()->mapTo(window.clientArea(), QPoint()).x();
        // Row 1, a dated record: the mark column is blank, then author, title and date.
        std::vector<int> runs = inkRuns(image, row.top(), row.bottom(), window.dialogUnits().x(8));
        for (int& run : runs) run += viewportLeft;
        ASSERT_GE(runs.size(), 3u);
        const std::vector<int> headers = {at.authorHeader.left(), at.titleHeader.left(), at.dateHeader.left()};
        for (std::size_t column = 0; column < 3; ++column) {
            EXPECT_GE(runs[column], headers[column]) << column;
            EXPECT_LE(runs[column], headers[column] + 8) << column;
        }
    });
}

TEST_F(MainWindowOnQt, TheCataloguesRowsAppearInTheList) {
    ASSERT_EQ(viewCount(catalogue.view), 40);
    run([&](QtWindow& window) {
        auto* list = window.control<ListBoxView>(BookListId);
        ASSERT_EQ(list->rows->rowCount(), 40);
        EXPECT_EQ(windows.selectedListRows(state.window, BookListId), std::vector<int>{0});
        for (int row = 1; row <= 40; ++row) {
            const int record = catalogue.view.order[row];
            const std::string mark = testFlag(catalogue.books.records[record].flags, MarkedFlag) ? "x\t" : " \t";
            EXPECT_EQ(list->rows->data(list->rows->index(row - 1), Qt::DisplayRole).toString(),
                      platform::qt::toQt(mark + listTextOf(catalogue.books, &measure, record)));
        }
        EXPECT_EQ(windows.text(state.window, statusLabelId(StatusField::View)), "View All by Author");
        EXPECT_EQ(windows.text(state.window, statusLabelId(StatusField::Position)), " 1 of  40");
    });
}

TEST_F(MainWindowOnQt, TheMenuBarHoldsTheFourMenusWithTheirItemsAndStates) {
    run([&](QtWindow& window) {
        const QList<QAction*> bar = window.findChild<QMenuBar*>()->actions();
        const std::vector<platform::MenuSpec> table = mainMenuBar();
        ASSERT_EQ(bar.size(), 4);
        for (int menu = 1; menu <= 4; ++menu) {
            const platform::MenuSpec& expected = table[menu - 1];
            EXPECT_EQ(bar[menu - 1]->text(), platform::qt::toQt(expected.caption));
            ASSERT_EQ(bar[menu - 1]->menu()->actions().size(), static_cast<qsizetype>(expected.items.size()));
            for (int position = 1; position <= static_cast<int>(expected.items.size()); ++position) {
                const platform::MenuItemSpec& item = expected.items[position - 1];
                const QAction* action = bar[menu - 1]->menu()->actions()[position - 1];
                EXPECT_EQ(action->isSeparator(), item.separator) << menu << "." << position;
                if (item.separator) continue;
                EXPECT_EQ(action, window.menuItem(item.id)) << item.caption;
                if (item.id == CaseCommand) continue;
                EXPECT_EQ(action->text(), platform::qt::toQt(item.caption));
                if (item.id == UnmarkAllShownCommand) continue;  // follows the loaded marks
                EXPECT_EQ(action->isEnabled(), item.enabled) << item.caption;
            }
        }
        EXPECT_EQ(window.menuItem(CaseCommand)->text(), catalogue.books.upperCase ? "Lower Case" : "Upper Case");
        EXPECT_EQ(window.menuItem(UnmarkAllShownCommand)->isEnabled(), catalogue.books.markedCount != 0);

        // An item sends its command.
        noMessages.expect(platform::Answer::Ok);
        window.menuItem(AboutCommand)->trigger();
        ASSERT_EQ(noMessages.shown.size(), 1u);
        EXPECT_EQ(noMessages.shown[0].caption, "About Quorvel");
    });
}

TEST_F(MainWindowOnQt, TheToolbarButtonsHaveNoShortcutsAndTabPassesThemBy) {
    run([&](QtWindow& window) {
        for (int id = MarkButtonId; id <= QuitButtonId; ++id) {
            const auto* button = window.control<QPushButton>(id);
            ASSERT_NE(button, nullptr) << id;
            EXPECT_TRUE(button->shortcut().isEmpty()) << id;
            EXPECT_FALSE(button->focusPolicy() & Qt::TabFocus) << id;
            EXPECT_TRUE(button->isEnabled()) << id;
        }
    });
}

// Letters typed into the list select the first book by an author they begin,
// as a click would; the toolkit's own search over the row texts is not used.
TEST_F(MainWindowOnQt, TypingIntoTheListJumpsToTheAuthorTyped) {
    run([&](QtWindow& window) {
        auto* list = window.control<ListBoxView>(BookListId);
        QTest::keyClicks(list, "tol");
        const int row = list->currentIndex().row() + 1;
        EXPECT_EQ(authorOf(catalogue.books, catalogue.view.order[row]).substr(0, 4), "Tolk");
        EXPECT_EQ(windows.selectedListRows(state.window, BookListId), std::vector<int>{row - 1});
        EXPECT_EQ(catalogue.view.currentRecord, catalogue.view.order[row]);
        EXPECT_EQ(windows.text(state.window, statusLabelId(StatusField::Position)), positionText(row, 40));
        QTest::keyClicks(list, "stoy");  // "tolstoy": the next author down
        EXPECT_EQ(authorOf(catalogue.books, catalogue.view.currentRecord).substr(0, 7), "Tolstoy");
    });
}

// Alt+E opens the Edit menu; there U moves between the two items it underlines.
TEST_F(MainWindowOnQt, AltAndTheMnemonicOpenAMenu) {
    run([&](QtWindow& window) {
        setMarked(catalogue.books, 1, true);
        state.deletedPending = true;
        updateMenuStates(main);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* list = window.control(BookListId);
        ASSERT_TRUE(list->hasFocus());
        QTest::keyClick(list, Qt::Key_E, Qt::AltModifier);
        auto* opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->title(), "&Edit");
        QTest::keyClick(opened, Qt::Key_U);
        EXPECT_EQ(opened->activeAction(), window.menuItem(UnmarkAllShownCommand));
        QTest::keyClick(opened, Qt::Key_U);
        EXPECT_EQ(opened->activeAction(), window.menuItem(UndeleteCommand));
        EXPECT_EQ(QApplication::activePopupWidget(), opened);  // nothing chosen yet
        opened->close();
    });
}

// The help viewer opens the help file installed beside the program (as
// start-up finds it there) at its contents, and closes with the main window.
TEST_F(MainWindowOnQt, HelpOpensTheGuideAtItsContentsUntilTheWindowCloses) {
    state.helpPath = platform::SystemPath::fromSystem(QUORVELS_BUILT_HELP);
    run([&](QtWindow& window) {
        window.menuItem(HelpCommand)->trigger();
        platform::qt::HelpWindow* guide = help.window();
        ASSERT_NE(guide, nullptr);
        EXPECT_TRUE(guide->isVisible());
        EXPECT_EQ(guide->windowTitle(), "Quorvels Help");
        QTreeWidget* contents = guide->contents();
        ASSERT_GT(contents->topLevelItemCount(), 5);
        EXPECT_EQ(contents->currentItem(), contents->topLevelItem(0));
        EXPECT_EQ(contents->topLevelItem(0)->text(0), "Getting started");
        EXPECT_TRUE(guide->topics()->toPlainText().startsWith("Getting started"));
    });
    EXPECT_EQ(help.window(), nullptr);
    for (QWidget* shown : QApplication::topLevelWidgets())
        EXPECT_EQ(dynamic_cast<platform::qt::HelpWindow*>(shown), nullptr);
}

// Every entry of the contents leads to a topic of the guide.
TEST(HelpFiles, EveryContentsEntryHasItsTopic) {
    const std::string guide = readFile(QUORVELS_HELP_SOURCE "/quorvels.hlp");
    const auto contents = platform::parseHelpContents(readFile(QUORVELS_HELP_SOURCE "/quorvels.cnt"));
    EXPECT_EQ(contents.title, "Quorvels Help");
    ASSERT_FALSE(contents.entries.empty());
    for (const auto& entry : contents.entries) {
        ASSERT_FALSE(entry.anchor.empty()) << entry.title;
        EXPECT_NE(guide.find("<a name=\"" + entry.anchor + "\">"), std::string::npos) << entry.title;
    }
}

}  // namespace
