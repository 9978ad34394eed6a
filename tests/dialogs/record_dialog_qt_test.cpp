#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/field_ids.h"
#include "dialogs/record_dialog.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/system_files.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_help_viewer.h"
#include "platform/testing/scripted_message_boxes.h"
#include "tests/core/catalogue_builders.h"

namespace {

using platform::qt::QtWindow;

// The real record dialog on the Qt platform, opened by itself (no main window).
struct RecordDialogOnQt : ::testing::Test {
    platform::qt::QtWindows windows;
    platform::scripted::ScriptedMessageBoxes noMessages;
    platform::scripted::RecordingHelpViewer noHelp;
    platform::scripted::FixedClock clock{2026};
    Catalogue catalogue;
    OpenedFile file;
    MainWindowState state;
    MainWindow main{catalogue, file, state, windows, noMessages, platform::systemFiles(), noHelp, clock};

    RecordDialogOnQt() {
        addBook(catalogue, "Adams", "Cats", "07-01-2003", 12, 6);
        addBook(catalogue, "Adamson", "Dogs");
        addBook(catalogue, "Smithers", "Ashes");
        addBook(catalogue, "Smithson", "Bells");
        catalogue.view.currentRecord = 0;
        rebuildView(catalogue);
    }

    // Opens the dialog in `mode`, calls `whileShown` once it is up, then presses "&Cancel".
    void open(RecordDialogMode mode, const std::function<void(QtWindow&)>& whileShown) {
        whenShown([&](QtWindow& dialog) {
            whileShown(dialog);
            QTest::mouseClick(dialog.control<QPushButton>(CancelButtonId), Qt::LeftButton);
        });
        showRecordDialog({catalogue, windows, noMessages, clock, {}, {}}, mode);
    }

    // Calls `act` on the modal window that opens next, once it is up; `act` ends it.
    static void whenShown(const std::function<void(QtWindow&)>& act) {
        QTimer::singleShot(0, [act] {
            auto* window = dynamic_cast<QtWindow*>(QApplication::activeModalWidget());
            if (window == nullptr) {
                ADD_FAILURE() << "no modal window is up";
                QApplication::closeAllWindows();
                return;
            }
            QApplication::processEvents();
            act(*window);
        });
    }
};

TEST_F(RecordDialogOnQt, TheDialogIsBuiltFromItsTable) {
    open(RecordDialogMode::View, [&](QtWindow& dialog) {
        const platform::qt::DialogUnits units = dialog.dialogUnits();
        EXPECT_EQ(dialog.windowTitle(), "View Record Data");
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(dialog.clientArea()->size(), QSize(units.x(280), units.y(250)));
        for (const platform::ControlSpec& blueprint : recordDialogBlueprint(RecordDialogMode::View).controls) {
            if (blueprint.id == -1) continue;
            const QWidget* widget = dialog.control(blueprint.id);
            ASSERT_NE(widget, nullptr) << blueprint.id;
            EXPECT_EQ(widget->objectName(), QString::number(blueprint.id));
            const QRect place = units.rect(blueprint.x, blueprint.y, blueprint.width, blueprint.height);
            EXPECT_EQ(widget->pos(), place.topLeft()) << blueprint.id;
            EXPECT_EQ(widget->width(), place.width()) << blueprint.id;
        }
        const QStringList labels = [&] {
            QStringList texts;
            for (const QLabel* label : dialog.clientArea()->findChildren<QLabel*>()) texts << label->text();
            return texts;
        }();
        for (const char* caption : {"Author:", "Title:", "Date read:", "Category", "Review", "Disposition"})
            EXPECT_TRUE(labels.contains(caption)) << caption;
        EXPECT_EQ(dialog.control<QPushButton>(FirstButtonId)->text(), "&Prev");
        EXPECT_FALSE(dialog.control<QPushButton>(FirstButtonId)->isEnabled());
        EXPECT_EQ(dialog.control<QLineEdit>(AuthorBoxId)->text(), "Adams");
        EXPECT_TRUE(dialog.control<QLineEdit>(AuthorBoxId)->isReadOnly());
        // Qt counts UTF-16 units: room for 255 characters of two units each.
        EXPECT_EQ(dialog.control<QLineEdit>(TitleBoxId)->maxLength(), 2 * MaxTextCharacters);
        EXPECT_FALSE(dialog.control<QComboBox>(CategoryListId)->isEnabled());

        // The category name lies over the disabled list and is what shows there.
        const auto* name = dialog.control<QLineEdit>(CategoryNameBoxId);
        EXPECT_EQ(name->text(), "Detective");
        EXPECT_FALSE(name->hasFrame());
        EXPECT_TRUE(dialog.control(CategoryListId)->geometry().contains(name->geometry().center()));
        EXPECT_EQ(dialog.clientArea()->childAt(name->geometry().center()), name);
    });
}

TEST_F(RecordDialogOnQt, TypingIntoTheAuthorBoxProposesAndSelectsTheCompletion) {
    open(RecordDialogMode::Add, [&](QtWindow& dialog) {
        auto* author = dialog.control<QLineEdit>(AuthorBoxId);
        EXPECT_EQ(dialog.control<QPushButton>(FirstButtonId)->text(), "&Add");
        EXPECT_TRUE(dialog.control<QPushButton>(FirstButtonId)->isDefault());
        QTest::keyClicks(author, "Smi");
        EXPECT_EQ(author->text(), "Smithers");
        EXPECT_EQ(author->selectedText(), "thers");
        QTest::keyClicks(author, "t");
        EXPECT_EQ(author->text(), "Smithson");
        EXPECT_EQ(author->selectedText(), "hson");
    });
}

TEST_F(RecordDialogOnQt, FillingTheDialogFromARecordProposesNothing) {
    // Adams would propose Adamson, were the filled text taken as typed.
    open(RecordDialogMode::Edit, [&](QtWindow& dialog) {
        auto* author = dialog.control<QLineEdit>(AuthorBoxId);
        EXPECT_EQ(author->text(), "Adams");
        EXPECT_FALSE(author->hasSelectedText());
        QTest::mouseClick(dialog.control<QPushButton>(SecondButtonId), Qt::LeftButton);  // "&Original"
        EXPECT_EQ(author->text(), "Adams");
        EXPECT_EQ(dialog.control<QComboBox>(CategoryListId)->currentText(), "Detective");
    });
}

TEST_F(RecordDialogOnQt, AUserAddsABookThroughTheMainWindow) {
    whenShown([&](QtWindow& mainWindow) {
        whenShown([](QtWindow& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Add Record Data");
            QTest::keyClicks(dialog.control<QLineEdit>(AuthorBoxId), "Bronte");
            QTest::keyClicks(dialog.control<QLineEdit>(TitleBoxId), "Jane Eyre");
            QTest::keyClick(dialog.control<QLineEdit>(TitleBoxId), Qt::Key_Return);  // presses "&Add"
        });
        QTest::mouseClick(mainWindow.control<QPushButton>(AddButtonId), Qt::LeftButton);
        EXPECT_EQ(mainWindow.control<platform::qt::ListBoxView>(BookListId)->rows->rowCount(), 5);
        EXPECT_EQ(windows.selectedListRows(state.window, BookListId), std::vector<int>{2});
        noMessages.expect(platform::Answer::No);  // to "File records have changed..."
        mainWindow.close();
    });
    runMainWindow(main);
    EXPECT_EQ(viewRows(catalogue)[2], "Bronte Jane Eyre");
}

}  // namespace
