// The real program on the Qt platform, headless, driven with keys and mouse
// clicks: its menus, the record, find and print dialogs, the message boxes
// and the file dialog. The printer records instead of printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
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
#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/system_files.h"
#include "platform/system_transliterator.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_print_surface.h"
#include "storage/catalogue_file.h"
#include "tests/core/catalogue_builders.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/typed_keys.h"
#include "tests/support/when_modal.h"

namespace {

using platform::qt::QtWindow;
using RecordingPrinter = platform::scripted::RecordingPrintSurface;
using Rows = std::vector<std::string>;

// Presses the button of a message box after checking what it asks.
void answer(QMessageBox& box, const QString& text, QMessageBox::StandardButton button) {
    EXPECT_EQ(box.text(), text);
    QTest::mouseClick(box.button(button), Qt::LeftButton);
}

// The whole program as main() wires it, with a start folder of its own and
// a printer that records.
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
    MainWindow main{catalogue,    file,
                    state,        windows,
                    messages,     platform::systemFiles(),
                    help,         clock,
                    &fileDialogs, &platform::systemTransliterator()};
    RecordingPrinter* printer = nullptr;  // while the main window runs

    void start() {
        runQuorvels(main, {folder.path}, {measure, [this] {
                                              auto surface = std::make_unique<RecordingPrinter>();
                                              printer = surface.get();
                                              return surface;
                                          }});
    }

    // Activates the main window, opens a menu with Alt and its letter, and
    // chooses the item its letter names.
    static void choose(QtWindow& window, Qt::Key menu, Qt::Key item) {
        window.activateWindow();  // back from any dialog
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.control(BookListId), menu, Qt::AltModifier);
        auto* opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(opened, nullptr);
        QTest::keyClick(opened, item);
    }

    // What the main window shows: the texts of the list's rows and the status line.
    Rows rows() {
        const auto* list = windows.find(state.window)->control<platform::qt::ListBoxView>(BookListId);
        Rows texts;
        for (int row = 0; row < list->rows->rowCount(); ++row)
            texts.push_back(platform::qt::fromQt(list->rows->data(list->rows->index(row), Qt::DisplayRole).toString()));
        return texts;
    }
    Rows status() {
        Rows fields;
        for (int field = 1; field <= 4; ++field)
            fields.push_back(windows.text(state.window, statusLabelId(static_cast<StatusField>(field))));
        return fields;
    }
};

TEST_F(ProgramOnQt, AUserAddsABookThroughTheEditMenuAndSavesItUnderANewName) {
    whenModal<QtWindow>([&](QtWindow& window) {
        // Alt+E, then A for "&Add Book": the record dialog in add mode.
        whenModal<QtWindow>(
            [](QtWindow& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Add Record Data");
                QTest::keyClicks(dialog.control<QLineEdit>(AuthorBoxId), "Bronte, Charlotte");
                QTest::keyClicks(dialog.control<QLineEdit>(TitleBoxId), "Jane Eyre");
                QTest::keyClick(dialog.control<QLineEdit>(TitleBoxId), Qt::Key_Return);  // "&Add"
            },
            &window);
        choose(window, Qt::Key_E, Qt::Key_A);
        EXPECT_EQ(rows().size(), 1u);
        EXPECT_TRUE(catalogue.books.changed);

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
        choose(window, Qt::Key_F, Qt::Key_S);
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

// A user keeps books in Russian and in Japanese: types them into the record
// dialog, finds one by its Cyrillic author, prints the Book List, saves (told
// once that the file takes its newer form), opens the file again and saves it
// as a "Quorvels 2.00 catalogue", where each letter that form lacks becomes
// its nearest, "?" where there is none.
TEST_F(ProgramOnQt, BooksInAnyScriptAreFoundPrintedSavedAndKeptInTheOldFormWithTheirNearestLetters) {
    const Rows authors{"Толстой, Лев", "村上春樹"}, titles{"Война и мир", "１Ｑ８４"};
    const Rows shown{"Война И Мир", "１ｑ８４"};  // in proper case: every letter that has a case
    const Rows typed{" \t" + authors[0] + "\t" + shown[0], " \t" + authors[1] + "\t" + shown[1]};
    const std::string scripts = folder / "scripts.pmr", old = folder / "old.pmr";
    Rows printed;
    whenModal<QtWindow>([&](QtWindow& window) {
        // Alt+E, A for "&Add Book", once for each book, its letters typed one key each.
        for (std::size_t book = 0; book < authors.size(); ++book) {
            whenModal<QtWindow>(
                [&](QtWindow& dialog) {
                    EXPECT_EQ(dialog.windowTitle(), "Add Record Data");
                    typeCharacters(dialog.control<QLineEdit>(AuthorBoxId), platform::qt::toQt(authors[book]));
                    typeCharacters(dialog.control<QLineEdit>(TitleBoxId), platform::qt::toQt(titles[book]));
                    QTest::keyClick(dialog.control<QLineEdit>(TitleBoxId), Qt::Key_Return);  // "&Add"
                },
                &window);
            choose(window, Qt::Key_E, Qt::Key_A);
        }
        EXPECT_EQ(rows(), typed);
        EXPECT_EQ(status(), (Rows{"", "View All by Author", "", " 2 of  2"}));

        // Alt+E, F for "&Find Books": the author's name typed in Cyrillic finds his book.
        whenModal<QtWindow>(
            [](QtWindow& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Find Books");
                typeCharacters(dialog.control<QLineEdit>(AuthorBoxId), QString::fromUtf8("Толстой"));
                QTest::keyClick(dialog.control<QLineEdit>(AuthorBoxId), Qt::Key_Return);  // "&Find"
            },
            &window);
        choose(window, Qt::Key_E, Qt::Key_F);
        EXPECT_EQ(rows(), Rows{typed[0]});
        EXPECT_EQ(status(), (Rows{"", "Books Found by Author", "", " 1 of  1"}));
        choose(window, Qt::Key_V, Qt::Key_L);  // "&List All Books"
        EXPECT_EQ(rows(), typed);

        // Alt+F, R for "P&rint": Enter prints every book listed as the Book List.
        whenModal<QtWindow>(
            [](QtWindow& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Print Book List");
                QTest::keyClick(&dialog, Qt::Key_Return);  // "&Print"
            },
            &window);
        choose(window, Qt::Key_F, Qt::Key_R);
        ASSERT_NE(printer, nullptr);
        for (const auto& page : printer->pages)
            for (const auto& text : page) printed.push_back(text.text);

        // Alt+F, S for "&Save": "Save file now?", the Save As dialog, as the
        // catalogue has no file yet, and the notice of the newer form.
        whenModal<QMessageBox>([&](QMessageBox& box) {
            whenModal<QFileDialog>([&](QFileDialog& dialog) {
                auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
                name->clear();
                QTest::keyClicks(name, "scripts");
                whenModal<QMessageBox>([&](QMessageBox& notice) {
                    EXPECT_EQ(notice.icon(), QMessageBox::Information);
                    answer(notice,
                           QString::fromStdString(
                               "File Name: " + scripts +
                               "\nThe catalogue now holds letters that a \"Quorvels 2.00\" file cannot hold, so it is "
                               "saved in a newer form, which older copies of Quorvels cannot open.\nTo keep a copy "
                               "they can open, use Save As with the file type \"Quorvels 2.00 catalogue\"."),
                           QMessageBox::Ok);
                });
                QTest::keyClick(name, Qt::Key_Return);
            });
            answer(box, "Save file now?", QMessageBox::Yes);
        });
        choose(window, Qt::Key_F, Qt::Key_S);
        EXPECT_EQ(readFile(scripts).substr(0, 13), "Quorvels 3.00");
        EXPECT_EQ(status().at(0), "scripts.pmr");

        // Saved again, it says nothing more.
        QPointer<QTimer> toldAgain;
        whenModal<QMessageBox>([&](QMessageBox& box) {
            answer(box, "Save file now?", QMessageBox::Yes);
            toldAgain = whenModal<QMessageBox>([](QMessageBox& notice) {
                ADD_FAILURE() << "told again: " << notice.text().toStdString();
                notice.close();
            });
        });
        choose(window, Qt::Key_F, Qt::Key_S);
        delete toldAgain;
        EXPECT_FALSE(catalogue.books.changed);

        // Alt+F, O for "&Open": the file opened again shows the same books.
        whenModal<QFileDialog>([](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Open File");
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            name->clear();
            QTest::keyClicks(name, "scripts");
            QTest::keyClick(name, Qt::Key_Return);
        });
        choose(window, Qt::Key_F, Qt::Key_O);
        EXPECT_EQ(rows(), typed);
        EXPECT_EQ(status(), (Rows{"scripts.pmr", "View All by Author", "", " 1 of  2"}));

        // Alt+F, A for "Save&As", the arrow key moving the file type to
        // "Quorvels 2.00 catalogue": it says how many texts change and asks;
        // Yes writes the old form with the nearest letters, which the list
        // shows too, the current book still Tolstoy's.
        whenModal<QFileDialog>([&](QFileDialog& dialog) {
            auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(types, nullptr);
            QTest::keyClick(types, Qt::Key_Down);
            EXPECT_EQ(dialog.selectedNameFilter(), "Quorvels 2.00 catalogue (*.pmr)");
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            name->clear();
            QTest::keyClicks(name, "old");
            whenModal<QMessageBox>([](QMessageBox& question) {
                EXPECT_EQ(question.icon(), QMessageBox::Question);
                answer(question,
                       "4 texts hold letters that a \"Quorvels 2.00\" file cannot hold. Saved in that form, each "
                       "such letter becomes its nearest plain letter, or \"?\" where there is none, and the "
                       "catalogue keeps the changed texts.\nSave in the older form?",
                       QMessageBox::Yes);
            });
            QTest::keyClick(name, Qt::Key_Return);
        });
        choose(window, Qt::Key_F, Qt::Key_A);
        EXPECT_EQ(readFile(old).substr(0, 13), "Quorvels 2.00");
        EXPECT_EQ(rows(), (Rows{" \t????\t1q84", " \t???????, ???\t????? ? ???"}));
        EXPECT_EQ(status(), (Rows{"old.pmr", "View All by Author", "", " 2 of  2"}));
        window.close();  // nothing unsaved: no question
    });
    start();

    EXPECT_FALSE(state.window);
    EXPECT_EQ(printed, (Rows{"List of Books", "Page 1", authors[0], "  " + shown[0], authors[1], "  " + shown[1]}));
    EXPECT_EQ(readFile(scripts).substr(0, 13), "Quorvels 3.00");
    EXPECT_EQ(readFile(folder / "quorvels.ini"), old + "\r\n");
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
