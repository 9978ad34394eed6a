#include "platform/qt/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/qt/qt_text.h"

namespace platform::qt {

namespace {

// Accepts only names the program can keep as Windows-1252 text.
class FileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !utf8FitsCp1252(chosen.first().toStdString())) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("This name holds a character that Quorvels cannot keep in a file "
                                                "name. Please choose another name."));
            return;
        }
        QFileDialog::accept();
    }
};

// "*.*" stands for every file, also those without a dot in their name.
QString patternOf(const std::string& pattern) { return pattern == "*.*" ? QStringLiteral("*") : toQt(pattern); }

std::optional<std::string> ask(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QWidget* owner = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget()
                                                                  : QApplication::activeWindow();
    FileDialog dialog(owner, toQt(request.title), toQt(request.folder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << toQt(filter.description) + QStringLiteral(" (") + patternOf(filter.pattern) + QStringLiteral(")");
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(toQt(request.defaultExtension));
    if (!request.initialName.empty()) dialog.selectFile(toQt(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return fromQt(dialog.selectedFiles().first());
}

}  // namespace

std::optional<std::string> QtFileDialogs::askFileToOpen(const FileDialogRequest& request) {
    return ask(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtFileDialogs::askFileToSave(const FileDialogRequest& request) {
    return ask(request, QFileDialog::AcceptSave);
}

}  // namespace platform::qt
