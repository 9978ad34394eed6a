#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

#include "platform/cp1252.h"
#include "platform/qt_windows/qt_text.h"
#include "platform/qt_windows/qt_text_measure.h"
#include "tests/support/realistic_catalogue.h"

namespace {

using platform::qt::fromQt;
using platform::qt::toQt;

TEST(QtText, EveryByteBecomesTheCharacterItsUtf8FormNames) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    EXPECT_EQ(toQt(everyByte), QString::fromStdString(platform::cp1252ToUtf8(everyByte)));
    EXPECT_EQ(fromQt(toQt(everyByte)), everyByte);
    EXPECT_EQ(toQt("Bront\xEB \x80"), QStringLiteral(u"Bront\u00EB \u20AC"));
    EXPECT_TRUE(toQt("").isEmpty());
}

// The longest prefix of `text` not wider than `extent`, by measuring every prefix.
std::size_t longestFittingPrefix(const QFontMetrics& metrics, const std::string& text, int extent) {
    const QString shown = toQt(text);
    std::size_t longest = 0;
    for (qsizetype length = 0; length <= shown.size(); ++length)
        if (metrics.horizontalAdvance(shown.left(length)) <= extent) longest = static_cast<std::size_t>(length);
    return longest;
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
