#include "platform/qt/qt_help_viewer.h"

#include <QFile>

namespace platform::qt {

namespace {

// Paths are the file system's own bytes.
QString pathOf(const std::string& helpPath) { return QFile::decodeName(QByteArray::fromStdString(helpPath)); }

}  // namespace

void QtHelpViewer::showContents(const std::string& helpPath, WindowHandle owner) {
    const QString file = pathOf(helpPath);
    QWidget* ownerWidget = windows.find(owner);
    if (shown != nullptr && (shown->helpFile() != file || shown->parentWidget() != ownerWidget)) discard();
    if (shown == nullptr) shown = new HelpWindow(file, ownerWidget);
    shown->openAtContents();
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void QtHelpViewer::close(const std::string& helpPath) {
    if (shown != nullptr && shown->helpFile() == pathOf(helpPath)) discard();
}

void QtHelpViewer::discard() {
    shown->hide();
    shown->deleteLater();
    shown = nullptr;
}

}  // namespace platform::qt
