#include "platform/qt_desktop/qt_help_viewer.h"

#include "platform/qt_windows/qt_text.h"

namespace platform::qt {

void QtHelpViewer::showContents(const SystemPath& helpPath, WindowHandle owner) {
    const QString file = toQtPath(helpPath);
    QWidget* ownerWidget = windows.find(owner);
    if (shown != nullptr && (shown->helpFile() != file || shown->parentWidget() != ownerWidget)) discard();
    if (shown == nullptr) shown = new HelpWindow(file, ownerWidget);
    shown->openAtContents();
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void QtHelpViewer::close(const SystemPath& helpPath) {
    if (shown != nullptr && shown->helpFile() == toQtPath(helpPath)) discard();
}

void QtHelpViewer::discard() {
    shown->hide();
    shown->deleteLater();
    shown = nullptr;
}

}  // namespace platform::qt
