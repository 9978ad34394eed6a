#include <gtest/gtest.h>

#include "mainwindow/status_line.h"

namespace {

// What status field 1 shows for the file at `path` when the program started in `start`.
std::string shownFile(const std::string& path, const std::string& start) {
    return fileDisplay(platform::SystemPath::fromSystem(path), platform::SystemPath::fromSystem(start));
}

TEST(StatusLine, NumbersTakeTheDecimalFormWithItsSignPosition) {
    EXPECT_EQ(decimalForm(0), " 0");
    EXPECT_EQ(decimalForm(120), " 120");
    EXPECT_EQ(decimalForm(-3), "-3");
    EXPECT_EQ(positionText(3, 120), " 3 of  120");
    EXPECT_EQ(positionText(1, 0), " 1 of  0");
    EXPECT_EQ(markedCountText(0), "");
    EXPECT_EQ(markedCountText(1), " 1 marked");
    EXPECT_EQ(markedCountText(32767), " 32767 marked");
}

TEST(StatusLine, AFileInTheStartFolderShowsAsItsBareName) {
    EXPECT_EQ(shownFile("/home/ann/books/mine.pmr", "/home/ann/books"), "mine.pmr");
    EXPECT_EQ(shownFile("/home/ann/other/mine.pmr", "/home/ann/books"), "/home/ann/other/mine.pmr");
    EXPECT_EQ(shownFile("/home/ann/Books/mine.pmr", "/home/ann/books"), "/home/ann/Books/mine.pmr");
    EXPECT_EQ(shownFile("/home/ann/books/sub/mine.pmr", "/home/ann/books"), "/home/ann/books/sub/mine.pmr");
    EXPECT_EQ(shownFile("/home/ann/bookshelf.pmr", "/home/ann/books"), "/home/ann/bookshelf.pmr");
    EXPECT_EQ(shownFile("mine.pmr", "/home/ann/books"), "mine.pmr");
    EXPECT_EQ(shownFile("", "/home/ann/books"), "");
}

// Folders compare as the system names them; what is shown is the real name,
// a byte that is no UTF-8 as U+FFFD (UTF-8 names, as this file is written).
TEST(StatusLine, AFileDisplayShowsTheRealNames) {
    EXPECT_EQ(shownFile("/home/ann/Документы/Książki.pmr", "/home/ann/Документы"), "Książki.pmr");
    EXPECT_EQ(shownFile("/home/ann/Документы/Książki.pmr", "/home/ann/Документи"), "/home/ann/Документы/Książki.pmr");
    EXPECT_EQ(shownFile("/home/ann/B\xFC"
                        "cher/mine.pmr",
                        "/home/ann/Bücher"),
              "/home/ann/B\uFFFD"
              "cher/mine.pmr");
}

}  // namespace
