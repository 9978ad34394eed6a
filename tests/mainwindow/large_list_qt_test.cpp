// The book list of a large realistic catalogue in the real main window on Qt:
// lines are measured only for the rows drawn, and every row shows exactly
// the line measuring its author and title directly gives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <set>

#include "core/letter_case.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "mainwindow/remembering_measure.h"
#include "mainwindow/book_list.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/system_clock.h"
#include "platform/system_files.h"
#include "platform/testing/recording_help_viewer.h"
#include "platform/testing/scripted_message_boxes.h"
#include "tests/support/realistic_catalogue.h"

namespace {

using platform::qt::ListBoxView;

// The list font's measure, noting every text it is asked about.
struct NotingMeasure final : platform::TextMeasure {
    std::size_t fittingPrefix(std::string_view text, int extent) const override {
        asked.insert(std::string(text));
        return listFont.fittingPrefix(text, extent);
    }
    platform::qt::QtTextMeasure listFont =
        platform::qt::QtTextMeasure::inDialogUnits(QApplication::font(), ListTextUnit);
    mutable std::set<std::string> asked;
};

struct LargeListOnQt : ::testing::Test {
    const platform::qt::QtTextMeasure listFont =
        platform::qt::QtTextMeasure::inDialogUnits(QApplication::font(), ListTextUnit);
    NotingMeasure noting;
    RememberingMeasure screenMeasure{noting};
    Catalogue catalogue = enterBooks(realisticBooks(1500, 3));
    OpenedFile file;
    MainWindowState state;
    platform::qt::QtWindows windows;
    platform::scripted::ScriptedMessageBoxes noMessages;
    platform::scripted::RecordingHelpViewer noHelp;
    platform::SystemClock clock;
    MainWindow main{catalogue, file, state, windows, noMessages, platform::systemFiles(), noHelp, clock};

    LargeListOnQt() {
        state.listMeasure = &screenMeasure;
        rebuildView(catalogue);
    }

    void run(const std::function<void(ListBoxView&)>& whileShown) {
        QTimer::singleShot(0, [&] {
            QApplication::processEvents();
            whileShown(*windows.find(state.window)->control<ListBoxView>(BookListId));
            windows.endWindow(state.window);
        });
        runMainWindow(main);
    }

    // The row of `record` built from the stored texts, each cut by the list
    // font's own measure.
    QString expectedRow(int record) const {
        const BookRecord& book = catalogue.books.records[record];
        const std::string& author = authorOf(catalogue.books, record);
        std::string row = testFlag(book.flags, MarkedFlag) ? "x\t" : " \t";
        row += author.substr(0, listFont.fittingPrefix(author, AuthorListWidth)) + "\t";
        row += book.title.substr(0, listFont.fittingPrefix(book.title, TitleListWidth));
        if (readDateOf(catalogue.books, record) != 0) row += "\t" + formatReadDate(readDateOf(catalogue.books, record));
        return platform::qt::toQt(row);
    }

    void expectEveryRowAsMeasuredDirectly(ListBoxView& list) const {
        ASSERT_EQ(list.rows->rowCount(), viewCount(catalogue.view));
        for (int row = 0; row < list.rows->rowCount(); ++row)
            ASSERT_EQ(list.rows->data(list.rows->index(row), Qt::DisplayRole).toString(),
                      expectedRow(catalogue.view.order[row + 1]))
                << "row " << row;
    }
};

TEST_F(LargeListOnQt, OnlyTheTextsOfTheRowsDrawnAreMeasured) {
    ASSERT_EQ(viewCount(catalogue.view), 1500);
    EXPECT_TRUE(noting.asked.empty());  // building the view measured nothing
    run([&](ListBoxView& list) {
        list.viewport()->grab();
        const auto shownRows = static_cast<std::size_t>(list.viewport()->height() / list.rowHeight() + 2);
        EXPECT_GT(noting.asked.size(), 0u);
        EXPECT_LE(noting.asked.size(), 2 * shownRows);
    });
}

TEST_F(LargeListOnQt, EveryRowShowsItsTextsCutAsMeasuringThemDirectlyCuts) {
    run([&](ListBoxView& list) {
        expectEveryRowAsMeasuredDirectly(list);
        // Asked again, the texts come from what the measure kept.
        catalogue.view.sortByDate = true;
        rebuildView(catalogue);
        fillBookList(main);
        expectEveryRowAsMeasuredDirectly(list);
        // New texts after the conversion, old ones after converting back.
        for (int conversion = 0; conversion < 2; ++conversion) {
            toggleLetterCase(catalogue.books);
            rebuildView(catalogue);
            fillBookList(main);
            expectEveryRowAsMeasuredDirectly(list);
        }
    });
}

}  // namespace
