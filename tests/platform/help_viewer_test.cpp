#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include "platform/qt_desktop/qt_help_viewer.h"
#include "tests/platform/sample_dialog.h"
#include "tests/support/run_qt_window.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::qt::HelpWindow;

// A help file long enough to scroll, its contents beside it, and a window
// to own the help window.
struct HelpViewerOnQt : ::testing::Test {
    TemporaryFolder folder;
    TestPath helpPath = folder / "guide.hlp";
    platform::qt::QtWindows windows;
    platform::qt::QtHelpViewer viewer{windows};

    HelpViewerOnQt() {
        std::string html = "<html><body><h1><a name=\"start\"></a>Starting</h1>";
        for (int line = 0; line < 200; ++line) html += "<p>Filler line " + std::to_string(line) + "</p>";
        html += "<h1><a name=\"end\"></a>Ending</h1><p>The last topic.</p></body></html>";
        writeFile(helpPath, html);
        writeFile(
            folder / "guide.cnt",
            ":Base guide.hlp\r\n:Title Guide Help\r\n1 Starting=start\r\n2 Still starting=start\r\n1 Ending=end\r\n");
    }

    // Runs an owner window and calls `whileShown` once it is up.
    void withOwner(const std::function<void(platform::qt::QtWindow&, platform::WindowHandle)>& whileShown) {
        runQtWindow(
            windows, sampleDialog(), [](platform::WindowHandle, const platform::Message&) {}, whileShown);
    }
};

TEST_F(HelpViewerOnQt, OpensTheHelpFileAtItsContentsBesideItsOwner) {
    withOwner([&](platform::qt::QtWindow& owner, platform::WindowHandle handle) {
        viewer.showContents(helpPath, handle);
        HelpWindow* help = viewer.window();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->isWindow());
        EXPECT_EQ(help->parentWidget(), &owner);
        EXPECT_EQ(help->windowTitle(), "Guide Help");

        QTreeWidget* contents = help->contents();
        ASSERT_EQ(contents->topLevelItemCount(), 2);
        EXPECT_EQ(contents->topLevelItem(0)->text(0), "Starting");
        ASSERT_EQ(contents->topLevelItem(0)->childCount(), 1);
        EXPECT_EQ(contents->topLevelItem(0)->child(0)->text(0), "Still starting");
        EXPECT_EQ(contents->topLevelItem(1)->text(0), "Ending");
        EXPECT_EQ(contents->currentItem(), contents->topLevelItem(0));
        EXPECT_TRUE(help->contentsProblem()->isHidden());

        QTextBrowser* topics = help->topics();
        EXPECT_TRUE(topics->toPlainText().startsWith("Starting"));
        EXPECT_EQ(topics->verticalScrollBar()->value(), 0);

        // Choosing an entry shows its topic; asking for help again reuses the
        // window and goes back to the contents.
        contents->setCurrentItem(contents->topLevelItem(1));
        EXPECT_GT(topics->verticalScrollBar()->value(), 0);
        viewer.showContents(helpPath, handle);
        EXPECT_EQ(viewer.window(), help);
        EXPECT_EQ(contents->currentItem(), contents->topLevelItem(0));

        // Closing another help file leaves this one open; closing this one closes it.
        viewer.close(folder / "other.hlp");
        EXPECT_EQ(viewer.window(), help);
        QPointer<HelpWindow> closed = help;
        viewer.close(helpPath);
        EXPECT_EQ(viewer.window(), nullptr);
        EXPECT_FALSE(closed->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(closed.isNull());
    });
}

TEST_F(HelpViewerOnQt, TheHelpWindowTakesInputWhileItsOwnerRunsModally) {
    withOwner([&](platform::qt::QtWindow& owner, platform::WindowHandle handle) {
        ASSERT_EQ(QApplication::activeModalWidget(), &owner);
        viewer.showContents(helpPath, handle);
        HelpWindow* help = viewer.window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        QTreeWidget* contents = help->contents();
        const QRect ending = contents->visualItemRect(contents->topLevelItem(1));
        const QPoint at = contents->viewport()->mapTo(help, ending.center());
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, at);  // through the window system, as a user clicks
        EXPECT_EQ(contents->currentItem(), contents->topLevelItem(1));
    });
}

TEST_F(HelpViewerOnQt, AMissingHelpFileIsNamedInTheHelpWindow) {
    const TestPath missing = folder / "nowhere/guide.hlp";
    withOwner([&](platform::qt::QtWindow&, platform::WindowHandle handle) {
        viewer.showContents(missing, handle);
        HelpWindow* help = viewer.window();
        ASSERT_NE(help, nullptr);
        const QString text = help->topics()->toPlainText();
        EXPECT_TRUE(text.contains(QString::fromStdString("The help file \"" + missing + "\" cannot be opened")))
            << text.toStdString();
        EXPECT_TRUE(text.contains("No such file")) << text.toStdString();
        EXPECT_EQ(help->contents()->topLevelItemCount(), 0);
        EXPECT_FALSE(help->contentsProblem()->isHidden());
        EXPECT_TRUE(help->contentsProblem()->text().contains(
            QString::fromStdString("The contents file \"" + folder / "nowhere/guide.cnt" + "\" cannot be opened")));
        EXPECT_EQ(help->windowTitle(), "guide.hlp");

        // Once the files are there, asking again shows them.
        writeFile(missing, "<html><body><h1>Found</h1></body></html>");
        writeFile(folder / "nowhere/guide.cnt", "1 Found=found\n");
        viewer.showContents(missing, handle);
        EXPECT_EQ(help->topics()->toPlainText(), "Found");
        EXPECT_EQ(help->contents()->topLevelItemCount(), 1);
        EXPECT_TRUE(help->contentsProblem()->isHidden());
    });
}

}  // namespace
