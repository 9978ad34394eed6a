// The real program on the Qt platform, headless, driven with keys and mouse
// clicks: its menus, the record dialog, the message boxes and the file dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "dialogs/field_ids.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/startup.h"
#include "platform/qt_desktop/qt_file_dialogs.h"
#include "platform/qt_desktop/qt_help_viewer.h"
#include "platform/qt_desktop/qt_message_boxes.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/system_files.h"
#include "platform/testing/fixed_clock.h"
#include "storage/catalogue_file.h"
#include "tests/core/catalogue_builders.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/when_modal.h"

namespace {

using platform::qt::QtWindow;

// Presses the button of a message box after checking what it asks.
void answer(QMessageBox& box, const QString& text, QMessageBox::StandardButton button) {
    EXPECT_EQ(box.text(), text);
    QTest::mouseClick(box.button(button), Qt::LeftButton);
}

// The whole program as main() wires it, with a start folder of its own.
struct ProgramOnQt : ::testing::Test {
    TemporaryFolder folder;
    platform::qt::QtWindows windows;
    platform::qt::QtMessageBoxes messages;
    platform::qt::QtFileDialogs fileDialogs;
    platform::qt::QtHelpViewer help{windows};
    platform::scripted::FixedClock clock{2026};
    const platform::qt::QtTextMeasure measure =
        platform::qt::QtTextMeasure::inDialogUnits(QApplication::font(), ListTextUnit);
    Catalogue catalogue;
    OpenedFile file;
    MainWindowState state;
    MainWindow main{catalogue, file, state, windows, messages, platform::systemFiles(), help, clock, &fileDialogs};

    void start() {
        runQuorvels(main, {folder.path}, {measure, [] { return nullptr; }});
    }
};

TEST_F(ProgramOnQt, AUserAddsABookThroughTheEditMenuAndSavesItUnderANewName) {
    whenModal<QtWindow>([&](QtWindow& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto* list = window.control<platform::qt::ListBoxView>(BookListId);

        // Alt+E, then A for "&Add Book": the record dialog in add mode.
        whenModal<QtWindow>(
            [](QtWindow& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Add Record Data");
                QTest::keyClicks(dialog.control<QLineEdit>(AuthorBoxId), "Bronte, Charlotte");
                QTest::keyClicks(dialog.control<QLineEdit>(TitleBoxId), "Jane Eyre");
                QTest::keyClick(dialog.control<QLineEdit>(TitleBoxId), Qt::Key_Return);  // "&Add"
            },
            &window);
        QTest::keyClick(list, Qt::Key_E, Qt::AltModifier);
        auto* editMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(editMenu, nullptr);
        QTest::keyClick(editMenu, Qt::Key_A);
        EXPECT_EQ(list->rows->rowCount(), 1);
        EXPECT_TRUE(catalogue.books.changed);
        window.activateWindow();  // back from the dialog
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

        // Alt+F, S for "&Save": "Save file now?", then the Save As dialog, as
        // the catalogue has no file yet.
        whenModal<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "Save File");
            whenModal<QFileDialog>([&](QFileDialog& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Save File");
                EXPECT_EQ(dialog.directory().absolutePath(), QString::fromStdString(folder.path));
                EXPECT_EQ(dialog.nameFilters(),
                          (QStringList{"Quorvels catalogue (*.pmr)", "Quorvels 2.00 catalogue (*.pmr)"}));
                auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
                ASSERT_NE(name, nullptr);
                name->clear();
                QTest::keyClicks(name, "brontes");
                QTest::keyClick(name, Qt::Key_Return);
            });
            answer(box, "Save file now?", QMessageBox::Yes);
        });
        QTest::keyClick(list, Qt::Key_F, Qt::AltModifier);
        auto* fileMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(fileMenu, nullptr);
        QTest::keyClick(fileMenu, Qt::Key_S);
        EXPECT_FALSE(catalogue.books.changed);
        EXPECT_EQ(windows.text(state.window, statusLabelId(StatusField::File)), "brontes.pmr");
        window.close();  // nothing unsaved: no question
    });
    start();

    EXPECT_FALSE(state.window);
    Catalogue saved;
    OpenedFile savedFile;
    savedFile.path = folder / "brontes.pmr";
    ASSERT_TRUE(loadCatalogue(saved, savedFile, platform::systemFiles()).loaded);
    EXPECT_EQ(viewRows(saved), (std::vector<std::string>{"Bronte, Charlotte Jane Eyre"}));
    EXPECT_EQ(readFile(folder / "quorvels.ini"), folder / "brontes.pmr\r\n");
}

// The close box with unsaved changes asks; Cancel keeps the window open.
TEST_F(ProgramOnQt, TheCloseBoxAsksAndCancelKeepsTheWindow) {
    addBook(catalogue, "Austen, Jane", "Emma");
    whenModal<QtWindow>([&](QtWindow& window) {
        whenModal<QMessageBox>([](QMessageBox& box) {
            answer(box, "File records have changed...\ndo you want to save them?", QMessageBox::Cancel);
        });
        window.close();
        EXPECT_TRUE(window.isVisible());
        whenModal<QMessageBox>([](QMessageBox& box) {
            answer(box, "File records have changed...\ndo you want to save them?", QMessageBox::No);
        });
        window.close();
    });
    start();
    EXPECT_FALSE(state.window);
    EXPECT_FALSE(std::filesystem::exists(folder / "quorvels.ini"));
}

// The toolkit's file dialog takes a name that does not exist yet, in any
// letters, adds the extension, gives the name as the system names it, and
// leaves the question about replacing a file to the program.
TEST_F(ProgramOnQt, TheFileDialogsTakeNewNamesAndLeaveReplacingToTheProgram) {
    const platform::FileDialogRequest open{
        "Open File", {{"Quorvel Files", "*.pmr"}, {"All Files", "*.*"}}, "pmr", folder.path, {}};
    for (const char* typed : {"caf\u00E9", "\u03A9mega"}) {  // Greek is not in Windows-1252
        whenModal<QFileDialog>([typed](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Open File");
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            name->setText(QString::fromUtf8(typed));
            QTest::keyClick(name, Qt::Key_Return);
        });
        EXPECT_EQ(fileDialogs.askFileToOpen(open), folder / (std::string(typed) + ".pmr"));
    }

    writeFile(folder / "old.pmr", "keep");
    // Save As offers two types of one pattern, told apart by their names.
    const platform::FileDialogRequest save{"Save File",
                                           {{"Quorvels catalogue", "*.pmr"}, {"Quorvels 2.00 catalogue", "*.pmr"}},
                                           "pmr",
                                           folder.path,
                                           folder / "old.pmr"};
    whenModal<QFileDialog>(
        [](QFileDialog& dialog) { QTest::keyClick(dialog.findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return); });
    EXPECT_EQ(fileDialogs.askFileToSave(save), folder / "old.pmr");
    // The file type chosen comes back with the name.
    whenModal<QFileDialog>([](QFileDialog& dialog) {
        dialog.selectNameFilter("Quorvels 2.00 catalogue (*.pmr)");
        QTest::keyClick(dialog.findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    });
    EXPECT_EQ(fileDialogs.askFileAndTypeToSave(save), (platform::SaveChoice{folder / "old.pmr", 1}));

    whenModal<QFileDialog>([](QFileDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(fileDialogs.askFileToSave(save), std::nullopt);
    EXPECT_EQ(readFile(folder / "old.pmr"), "keep");
}

}  // namespace
