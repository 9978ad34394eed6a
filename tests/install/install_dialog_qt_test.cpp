#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "install/install_dialog.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/testing/scripted_message_boxes.h"
#include "tests/support/product_home.h"

namespace {

using platform::qt::QtWindow;
namespace fs = std::filesystem;

// The real install dialog on Qt: folders are shown as the system names them,
// and what the user types, in any letters, reaches the file system as UTF-8.
struct InstallDialogOnQt : ::testing::Test, ProductHome {
    platform::qt::QtWindows windows;
    platform::scripted::ScriptedMessageBoxes messages;
    InstallServices services = installServices(messages);

    // Runs the dialog and calls `whileShown` once it is up; the dialog must end by then.
    void run(const std::function<void(QtWindow&)>& whileShown) {
        QTimer::singleShot(0, [&] {
            QtWindow* window = windows.find(platform::WindowHandle{1});
            ASSERT_NE(window, nullptr);
            whileShown(*window);
            EXPECT_TRUE(window->ended);
            if (!window->ended) windows.endWindow(platform::WindowHandle{1});
        });
        runInstallDialog(windows, services);
    }
};

TEST_F(InstallDialogOnQt, AccentedFoldersShowAndInstallAsUnicode) {
    services.installParentFolder = home / "J\xC3\xBCrgen";
    messages.expect(platform::Answer::Ok);
    run([&](QtWindow& window) {
        EXPECT_EQ(window.windowTitle(), "Install Quorvel");
        EXPECT_TRUE(window.control<QCheckBox>(DesktopShortcutBoxId)->isChecked());
        EXPECT_TRUE(window.control<QCheckBox>(MenuShortcutBoxId)->isChecked());
        auto* folderBox = window.control<QLineEdit>(FolderBoxId);
        EXPECT_EQ(folderBox->text(), QString::fromUtf8(home / "J\xC3\xBCrgen/Folimarch/"));
        folderBox->selectAll();
        folderBox->insert(QString::fromUtf8(home / "Документы"));  // as typed: the box judges it
        EXPECT_EQ(folderBox->text(), QString::fromUtf8(home / "Документы"));
        window.control<QCheckBox>(DesktopShortcutBoxId)->click();
        window.control<QPushButton>(InstallButtonId)->click();
    });
    EXPECT_EQ(messages.shown.back().text, "Quorvels successfully installed");
    EXPECT_EQ(readFile(home / "Документы/quorvels.cnt"), "contents of quorvels.cnt");
    EXPECT_FALSE(fs::exists(desktop + "/Folimarch.desktop"));
    EXPECT_NE(readFile(programs + "/Folimarch.desktop").find("Path=" + home / "Документы/\n"), std::string::npos);
}

}  // namespace
