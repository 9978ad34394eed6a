// A bare Qt Widgets window of the main window's size holding an empty list
// view, for startup_bench to start beside the program with the same probe:
// what showing any such window costs, the floor of the program's start-up.
#include <QApplication>
#include <QListView>
#include <QWidget>

#include "platform/qt_windows/dialog_units.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The main window's client area: 400 x 280 dialog units of the application font.
    const platform::qt::DialogUnits units = platform::qt::DialogUnits::of(QApplication::font());
    QWidget window;
    window.resize(units.x(400), units.y(280));
    (new QListView(&window))->resize(window.size());
    window.show();
    return QApplication::exec();
}
