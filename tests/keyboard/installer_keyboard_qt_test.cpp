// The installer and the uninstaller on the Qt platform, headless, walked
// with the keyboard alone.
#include <gtest/gtest.h>

#include <filesystem>

#include "install/install_dialog.h"
#include "platform/qt_desktop/qt_message_boxes.h"
#include "platform/qt_windows/qt_windows.h"
#include "platform/testing/scripted_message_boxes.h"
#include "tests/keyboard/keyboard_walk.h"
#include "tests/support/product_home.h"

namespace {

using namespace keyboard;

// The installer's dialog; the uninstaller's question, answered No with
// Escape, then Yes with Enter, and its report.
TEST(InstallerByKeyboard, TheInstallDialogAndTheUninstallPromptsAreWalked) {
    ProductHome home;
    platform::qt::QtWindows windows;
    platform::qt::QtMessageBoxes messages;
    platform::scripted::ScriptedMessageBoxes installReport;
    installReport.expect(platform::Answer::Ok);
    InstallServices installing = home.installServices(installReport);
    UninstallServices uninstalling = home.uninstallServices(messages, home.home / "elsewhere");
    const std::string shortcut =
        platform::systemInstallFiles().shortcutPath(home.desktop, ProductDesktopName).systemBytes();
    const Names asking = {"&Yes", "&No"};

    const std::vector<Visit> visits = {
        {[&] {
             runInstallDialog(windows, installing);
             EXPECT_TRUE(std::filesystem::exists(shortcut));
         },
         {{ids({DesktopShortcutBoxId, MenuShortcutBoxId, FolderBoxId, InstallButtonId, InstallCancelButtonId}),
           {{Qt::Key_I, Qt::AltModifier}}}}},
        {[&] {
             runUninstall(uninstalling);
             EXPECT_TRUE(std::filesystem::exists(shortcut));
         },
         {{asking, {{Qt::Key_Escape, {}}}}}},
        {[&] {
             runUninstall(uninstalling);
             EXPECT_FALSE(std::filesystem::exists(shortcut));
         },
         {{asking, {{Qt::Key_Return, {}}}}, {{"OK"}, {{Qt::Key_Return, {}}}}}},
    };
    for (const Visit& each : visits) visit(each);
    EXPECT_EQ(installReport.shown.size(), 1u);
}

}  // namespace
