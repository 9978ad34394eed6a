#include "platform/qt_desktop/help_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QSignalBlocker>
#include <QSplitter>
#include <QUrl>
#include <vector>

#include "platform/help_contents.h"
#include "platform/qt_windows/qt_text.h"

namespace platform::qt {

namespace {

constexpr int AnchorRole = Qt::UserRole;

QString cannotOpen(const char* what, const QFile& file) {
    return QStringLiteral("The %1 \"%2\" cannot be opened: %3.")
        .arg(QLatin1String(what), QDir::toNativeSeparators(file.fileName()), file.errorString());
}

QString contentsFileOf(const QString& helpFile) {
    const QFileInfo help(helpFile);
    return help.path() + QStringLiteral("/") + help.completeBaseName() + QStringLiteral(".cnt");
}

}  // namespace

HelpWindow::HelpWindow(const QString& helpFile, QWidget* owner) : QWidget(owner, Qt::Window), file(helpFile) {
    setObjectName(QStringLiteral("help"));
    auto* splitter = new QSplitter(this);
    auto* side = new QWidget(splitter);
    problem = new QLabel(side);
    problem->setWordWrap(true);
    problem->setTextFormat(Qt::PlainText);
    problem->hide();
    tree = new QTreeWidget(side);
    tree->setHeaderLabel(QStringLiteral("Contents"));
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(problem);
    column->addWidget(tree);
    browser = new QTextBrowser(splitter);
    browser->setOpenExternalLinks(true);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 560});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(800, 560);

    connect(tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QString anchor = item != nullptr ? item->data(0, AnchorRole).toString() : QString();
        if (!anchor.isEmpty()) browser->scrollToAnchor(anchor);
    });
}

void HelpWindow::openAtContents() {
    loadTopics();
    loadContents();
    const QSignalBlocker quiet(tree);  // the first entry is current, the topics stay at their start
    tree->setCurrentItem(tree->topLevelItem(0));
    tree->setFocus();
}

void HelpWindow::loadTopics() {
    QFile help(file);
    if (!help.open(QIODevice::ReadOnly)) {
        browser->setPlainText(cannotOpen("help file", help));
        return;
    }
    const QUrl source = QUrl::fromLocalFile(file);
    if (browser->source() == source)
        browser->reload();  // also after a message stood in its place
    else
        browser->setSource(source, QTextDocument::HtmlResource);
}

void HelpWindow::loadContents() {
    tree->clear();
    problem->hide();
    setWindowTitle(QFileInfo(file).fileName());
    QFile contentsFile(contentsFileOf(file));
    if (!contentsFile.open(QIODevice::ReadOnly)) {
        problem->setText(cannotOpen("contents file", contentsFile));
        problem->show();
        return;
    }
    const HelpContents contents = parseHelpContents(contentsFile.readAll().toStdString());
    if (!contents.title.empty()) setWindowTitle(toQt(contents.title));

    std::vector<QTreeWidgetItem*> path;  // the entry last added at each level
    for (const HelpContentsEntry& entry : contents.entries) {
        path.resize(static_cast<std::size_t>(entry.level - 1));
        auto* item = path.empty() ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(path.back());
        item->setText(0, toQt(entry.title));
        item->setData(0, AnchorRole, QString::fromStdString(entry.anchor));
        path.push_back(item);
    }
    tree->expandAll();
}

}  // namespace platform::qt
