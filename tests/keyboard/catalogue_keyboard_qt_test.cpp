// The catalogue program on the Qt platform, headless, with every dialog its
// main window opens walked with the keyboard alone.
#include <gtest/gtest.h>

#include "dialogs/field_ids.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/startup.h"
#include "platform/qt_desktop/qt_message_boxes.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/system_files.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_help_viewer.h"
#include "platform/testing/recording_print_surface.h"
#include "printing/print_dialog.h"
#include "printing/print_text.h"
#include "statistics/statistics_dialog.h"
#include "storage/catalogue_file.h"
#include "tests/keyboard/keyboard_walk.h"

namespace {

using namespace keyboard;

// Alt and the menu's mnemonic, then the item's: how the main window opens its dialogs.
std::function<void()> fromMenu(Qt::Key menu, Qt::Key item) {
    return [=] {
        press(menu, Qt::AltModifier);
        press(item);
    };
}

// The catalogue program with the sample catalogue and a printer that records.
struct ProgramByKeyboard : ::testing::Test {
    platform::qt::QtWindows windows;
    platform::qt::QtMessageBoxes messages;
    platform::scripted::RecordingHelpViewer help;
    platform::scripted::FixedClock clock{2026};
    platform::qt::QtTextMeasure measure{QApplication::font()};
    Catalogue catalogue;
    OpenedFile file;
    MainWindowState state;
    MainWindow main{catalogue, file, state, windows, messages, platform::systemFiles(), help, clock};
};

TEST_F(ProgramByKeyboard, EveryDialogIsWalkedFromTheMainWindow) {
    state.listMeasure = &measure;
    file.path = platform::SystemPath::fromSystem(QUORVELS_SAMPLE);
    StorageDialogue dialogue = storageDialogueOf(main);
    dialogue.hold = nullptr;  // the sample is shared by the tests running at the same time
    ASSERT_TRUE(loadCatalogueTelling(catalogue, file, dialogue));
    ASSERT_EQ(catalogue.books.markedCount, 0);
    auto printer = std::make_unique<platform::scripted::RecordingPrintSurface>();
    const auto& printed = printer->pages;
    state.printer.open = [&printer]() -> std::unique_ptr<platform::PrintSurface> { return std::move(printer); };
    const auto printedSmallBookData = [&] {
        ASSERT_FALSE(printed.empty());
        EXPECT_EQ(printed[0].front().text, "Book Data");
        const int small = makePrintFont(platform::scripted::RecordingPrintSurface(), SmallSizeValue).characterHeight;
        EXPECT_EQ(printed[0].front().characterHeight, small);
    };

    const Names recordStops = ids({AuthorBoxId, TitleBoxId, DateReadBoxId, CategoryListId, ReviewListId,
                                   DispositionBoxId, SecondButtonId, CancelButtonId});
    const Names leaving = {"&Yes", "&No", "Cancel"};
    const Keys altC = {{Qt::Key_C, Qt::AltModifier}};
    const Keys escape = {{Qt::Key_Escape, {}}};
    const std::vector<Visit> visits = {
        {fromMenu(Qt::Key_E, Qt::Key_A), {{recordStops, altC}}},
        {fromMenu(Qt::Key_E, Qt::Key_E), {{recordStops, escape}}},
        // View mode: read-only boxes, names instead of lists, no "&Prev" on the first row.
        {fromMenu(Qt::Key_V, Qt::Key_D),
         {{ids({AuthorBoxId, TitleBoxId, DateReadBoxId, DispositionBoxId, CategoryNameBoxId, ReviewNameBoxId,
                SecondButtonId, CancelButtonId}),
           escape}}},
        {fromMenu(Qt::Key_E, Qt::Key_F),
         {{ids({AuthorBoxId, TitleBoxId, CategoryListId, DispositionBoxId, SearchButtonId, CancelButtonId}), altC}}},
        // The chart takes no focus: the two lists, then Close, which Enter presses.
        {fromMenu(Qt::Key_V, Qt::Key_T),
         {{ids({CategoryCountsId, ReviewCountsId, CloseButtonId}), {{Qt::Key_Return, {}}}}}},
        // Small font and Book Data chosen with the keys; Enter prints.
        {[&] {
             fromMenu(Qt::Key_F, Qt::Key_R)();
             printedSmallBookData();
         },
         {{ids({AllListedId, NormalFontId, BookListLayoutId, PrintCancelButtonId}),
           {{Qt::Key_Tab, {}}, {Qt::Key_Down, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Down, {}}, {Qt::Key_Return, {}}}}}},
        {fromMenu(Qt::Key_H, Qt::Key_A), {{{"OK"}, {{Qt::Key_Return, {}}}}}},
        // Yes deletes the current record, so leaving asks; Escape stays, No
        // leaves without saving.
        {fromMenu(Qt::Key_E, Qt::Key_D), {{{"&Yes", "&No"}, {{Qt::Key_Return, {}}}}}},
        {fromMenu(Qt::Key_F, Qt::Key_X), {{leaving, escape}}},
        {fromMenu(Qt::Key_F, Qt::Key_X), {{leaving, {{Qt::Key_N, Qt::AltModifier}}}}},
    };
    whenModal<QDialog>([&](QDialog& window) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // The list is the main window's one control for the keyboard; the
        // toolbar's commands are in the menus.
        walkTabStops(ids({BookListId}));
        for (const Visit& each : visits) {
            visit(each);
            if (!window.isVisible()) break;
            window.activateWindow();  // the offscreen platform leaves that to the user
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            EXPECT_EQ(focused(), std::to_string(BookListId));
        }
    });
    runMainWindow(main);
    EXPECT_FALSE(state.window);
}

}  // namespace
