#pragma once

#include <QLabel>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QWidget>

namespace platform::qt {

// The help window: the contents tree on the left, the topics on the right.
// The topics are the help file's HTML; the tree comes from the contents file
// beside it (same name, extension ".cnt"), and choosing an entry shows its topic.
class HelpWindow final : public QWidget {
  public:
    // `owner` is the program's window it belongs to (none for a window of its
    // own); a window that belongs to a running modal window takes input while
    // that one runs.
    HelpWindow(const QString& helpFile, QWidget* owner);

    const QString& helpFile() const { return file; }
    QTreeWidget* contents() const { return tree; }
    QTextBrowser* topics() const { return browser; }
    // Why there are no contents, above the empty tree; hidden when there are.
    QLabel* contentsProblem() const { return problem; }

    // Reads both files again and shows them from the start: the first entry
    // of the contents current and the keyboard focus in the contents. A file
    // that cannot be read is named, with the reason, where its text would be.
    void openAtContents();

  private:
    void loadTopics();
    void loadContents();

    QString file;
    QLabel* problem = nullptr;
    QTreeWidget* tree = nullptr;
    QTextBrowser* browser = nullptr;
};

}  // namespace platform::qt
