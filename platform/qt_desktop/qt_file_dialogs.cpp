#include "platform/qt_desktop/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>

#include "platform/qt_windows/qt_text.h"

namespace platform::qt {

namespace {

// "*.*" stands for every file, also those without a dot in their name.
QString patternOf(const std::string& pattern) { return pattern == "*.*" ? QStringLiteral("*") : toQt(pattern); }

std::optional<SaveChoice> ask(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QWidget* owner =
        QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : QApplication::activeWindow();
    QFileDialog dialog(owner, toQt(request.title), toQtPath(request.folder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << toQt(filter.description) + QStringLiteral(" (") + patternOf(filter.pattern) + QStringLiteral(")");
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(toQt(request.defaultExtension));
    if (!request.initialName.empty()) dialog.selectFile(toQtPath(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const auto chosenType = filters.indexOf(dialog.selectedNameFilter());
    return SaveChoice{fromQtPath(dialog.selectedFiles().first()),
                      chosenType < 0 ? 0u : static_cast<std::size_t>(chosenType)};
}

}  // namespace

std::optional<SystemPath> QtFileDialogs::askFileToOpen(const FileDialogRequest& request) {
    return chosenPath(ask(request, QFileDialog::AcceptOpen));
}

std::optional<SaveChoice> QtFileDialogs::askFileAndTypeToSave(const FileDialogRequest& request) {
    return ask(request, QFileDialog::AcceptSave);
}

}  // namespace platform::qt
