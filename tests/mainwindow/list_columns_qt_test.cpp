// Long authors and titles stay in their columns: every row of a catalogue of
// authors and titles far wider than their columns, drawn by the real main
// window with the program's own measure, has each part between its tab stop
// and the next. Run at the desktop's font and at a larger one, and by CTest
// once more at scale factor 2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <random>

#include "core/ordering.h"
#include "core/read_date.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "platform/qt_windows/list_box.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/system_files.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_help_viewer.h"
#include "platform/testing/scripted_message_boxes.h"

namespace {

using platform::qt::ListBoxView;

// Texts without blanks, so that any text running past a tab stop leaves ink
// there: wide letters, narrow ones, accented capitals, Cyrillic and Japanese.
std::string longText(std::minstd_rand& random, std::size_t length) {
    static const std::vector<std::string> letters = {"W",      "M",      "Q",      "m",      "w",      "i",
                                                     "l",      "j",      "\u00C6", "\u0152", "\u00C9", "\u00D6",
                                                     "\u00DF", "\u00C5", "\u0416", "\u65E5"};
    std::string text;
    for (std::size_t count = 0; count < length; ++count) text += letters[random() % letters.size()];
    return text;
}

Catalogue longTextCatalogue() {
    Catalogue catalogue;
    std::minstd_rand random(14);
    for (int book = 0; book < 36; ++book) {
        const std::uint16_t date =
            book % 4 == 0 ? 0
                          : packReadDate("0" + std::to_string(1 + book % 9) + "-1" + std::to_string(book % 10) + "-20" +
                                         std::to_string(10 + book % 16));
        insertRecord(catalogue, longText(random, 40 + random() % 40), longText(random, 100 + random() % 156), "", date,
                     0, 0);
    }
    return catalogue;
}

// Whether any pixel of image column `x` between `top` and `bottom` is darker than mid-grey.
bool inked(const QImage& image, int x, int top, int bottom) {
    for (int y = top; y <= bottom; ++y)
        if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

struct LongTextsOnQt : ::testing::TestWithParam<double> {
    const QFont desktopFont = QApplication::font();
    LongTextsOnQt() {
        QFont larger = desktopFont;
        larger.setPointSizeF(desktopFont.pointSizeF() * GetParam());
        QApplication::setFont(larger);
    }
    ~LongTextsOnQt() override { QApplication::setFont(desktopFont); }
};

TEST_P(LongTextsOnQt, EveryPartOfEveryRowStaysInItsColumn) {
    const auto measure = platform::qt::QtTextMeasure::inDialogUnits(QApplication::font(), ListTextUnit);
    Catalogue catalogue = longTextCatalogue();
    OpenedFile file;
    MainWindowState state;
    state.listMeasure = &measure;
    platform::qt::QtWindows windows;
    platform::scripted::ScriptedMessageBoxes noMessages;
    platform::scripted::RecordingHelpViewer noHelp;
    platform::scripted::FixedClock clock{2026};
    MainWindow main{catalogue, file, state, windows, noMessages, platform::systemFiles(), noHelp, clock};

    int rowsChecked = 0;
    QTimer::singleShot(0, [&] {
        auto* list = windows.find(state.window)->control<ListBoxView>(BookListId);
        const int oneUnit = windows.find(state.window)->dialogUnits().x(1);
        windows.setListRowSelected(state.window, BookListId, 0, false);  // plain ink on the base colour
        const std::vector<int>& stops = list->delegate->tabStops;
        ASSERT_EQ(stops.size(), 3u);
        const int rowsShown = list->viewport()->height() / list->rowHeight();
        for (int top = 0; top < viewCount(catalogue.view); top += rowsShown) {
            windows.setListTopRow(state.window, BookListId, top);
            QApplication::processEvents();
            const QImage image = list->viewport()->grab().toImage();
            const double scale = image.devicePixelRatio();
            const auto imageX = [&](int x) { return static_cast<int>(x * scale); };
            for (int row = top; row < std::min(top + rowsShown, viewCount(catalogue.view)); ++row) {
                const QRect rect = list->visualRect(list->rows->index(row));
                const int rowTop = imageX(rect.top()), rowBottom = imageX(rect.bottom() + 1) - 1;
                const int origin = rect.left() + platform::qt::TabbedRowDelegate::TextMargin;
                const bool dated = readDateOf(catalogue.books, catalogue.view.order[row + 1]) != 0;
                // Blank one unit before the title and date columns (a letter's
                // flourish may reach a pixel past its place): nothing runs into them ...
                for (int stop : {stops[1], stops[2]})
                    EXPECT_FALSE(inked(image, imageX(origin + stop - oneUnit), rowTop, rowBottom))
                        << "row " << row << ", stop " << stop;
                // ... and the title and the date start at their stops.
                for (int stop : {stops[1], dated ? stops[2] : stops[1]}) {
                    bool starts = false;
                    for (int x = imageX(origin + stop); x < imageX(origin + stop + stops[0]) && !starts; ++x)
                        starts = inked(image, x, rowTop, rowBottom);
                    EXPECT_TRUE(starts) << "row " << row << ", stop " << stop;
                }
                ++rowsChecked;
            }
        }
        windows.endWindow(state.window);
    });
    runMainWindow(main);
    EXPECT_EQ(rowsChecked, viewCount(catalogue.view));
}

INSTANTIATE_TEST_SUITE_P(DesktopAndLargerFont, LongTextsOnQt, ::testing::Values(1.0, 1.6));

}  // namespace
