// Opens the reading statistics of a catalogue file on Qt, offscreen, and
// keeps the dialog as a picture:
//   statistics_picture <catalogue.pmr> <output.png>
// scripts/make-statistics-picture.sh makes the pictures of the README and
// the user's guide with it, from the sample catalogue.
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "platform/qt_windows/qt_windows.h"
#include "platform/system_files.h"
#include "statistics/statistics_dialog.h"
#include "storage/catalogue_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <catalogue.pmr> <output.png>\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Catalogue catalogue;
    OpenedFile file;
    file.path = platform::SystemPath::fromSystem(argv[1]);
    if (!loadCatalogue(catalogue, file, platform::systemFiles()).loaded) {
        std::fprintf(stderr, "%s could not be read\n", argv[1]);
        return 1;
    }
    platform::qt::QtWindows windows;
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        saved = dialog->grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
        dialog->close();
    });
    showReadingStatistics(windows, catalogue.books, {});
    if (!saved) std::fprintf(stderr, "%s could not be written\n", argv[2]);
    return saved ? 0 : 1;
}
