// The main of the Qt test programs: the one QApplication lives in main, so
// that it goes before the toolkit's own objects at exit.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
