#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "platform/utf16.h"
#include "tests/support/realistic_catalogue.h"

namespace {

using platform::qt::fromQt;
using platform::qt::toQt;

TEST(QtText, Utf8TextsCrossAsTheirOwnCharacters) {
    const std::string text = "Bront\u00EB \u20AC \u05E9\u05DC\u05D5\u05DD \U0001F600";
    EXPECT_EQ(toQt(text), QString::fromUtf8(text));
    EXPECT_EQ(fromQt(toQt(text)), text);
    EXPECT_EQ(toQt("Bront\xEB"), QStringLiteral(u"Bront\uFFFD"));  // a byte that is not UTF-8
    EXPECT_TRUE(toQt("").isEmpty());
}

// The bytes of the longest prefix of `text` not wider than `extent`, by
// measuring every prefix.
std::size_t longestFittingPrefix(const QFontMetrics& metrics, const std::string& text, int extent) {
    const QString shown = toQt(text);
    std::size_t longest = 0;
    for (qsizetype length = 0; length <= shown.size(); ++length)
        if (metrics.horizontalAdvance(shown.left(length)) <= extent) longest = static_cast<std::size_t>(length);
    return platform::utf8PrefixOfUtf16Units(text, longest);
}

TEST(QtTextMeasure, CutsAuthorsAndTitlesWhereMeasuringEveryPrefixWould) {
    const QFont font = QApplication::font();
    const platform::qt::QtTextMeasure measure(font);
    const QFontMetrics metrics(font);
    std::vector<std::string> texts = {"", "W", "WW", std::string(255, 'i'), std::string(255, 'W')};
    for (const TypedBook& book : realisticBooks(150, 5)) {
        texts.push_back(book.author);
        texts.push_back(book.title);
    }
    for (const std::string& text : texts)
        for (int extent : {-1, 0, 3, 57, 200, 380, 2000}) {
            ASSERT_EQ(measure.fittingPrefix(text, extent), longestFittingPrefix(metrics, text, extent))
                << '"' << text << "\" at " << extent;
        }
}

}  // namespace
