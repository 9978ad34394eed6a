#include <gtest/gtest.h>

#include <filesystem>

#include "install/install_dialog.h"
#include "platform/testing/scripted_windows.h"
#include "tests/support/product_home.h"

namespace {

using platform::Answer;
using platform::scripted::ScriptedUser;
namespace fs = std::filesystem;

struct InstallDialogTest : ::testing::Test, ProductHome {
    platform::scripted::ScriptedWindows ui;
    InstallServices services = installServices(ui);

    void run(platform::scripted::ScriptedWindows::Script script) {
        ui.queueScript(std::move(script));
        runInstallDialog(ui, services);
        ASSERT_FALSE(ui.windows.empty());
        EXPECT_FALSE(ui.windows.back()->open);
    }

    bool nothingInstalled() const {
        return !fs::exists(home / ".local/share/Folimarch") && !keys.keyExists(UninstallEntryPath) &&
               !fs::exists(desktop) && !fs::exists(programs);
    }
};

TEST_F(InstallDialogTest, OpensCentredWithoutOwnerBothBoxesCheckedAndTheDefaultFolder) {
    run([&](ScriptedUser& u) {
        const platform::WindowSpec& blueprint = u.state().blueprint;
        EXPECT_EQ(blueprint.caption, "Install Quorvel");
        EXPECT_EQ(blueprint.width, 245);
        EXPECT_EQ(blueprint.height, 177);
        EXPECT_EQ(blueprint.placement, platform::Placement::CentredOnScreen);
        EXPECT_TRUE(blueprint.minimiseBox);
        EXPECT_FALSE(u.state().owner);
        for (const auto& control : blueprint.controls)
            EXPECT_FALSE(control.style & platform::style::DefaultButton) << control.id;
        EXPECT_TRUE(u.control(DesktopShortcutBoxId).checked);
        EXPECT_TRUE(u.control(MenuShortcutBoxId).checked);
        EXPECT_EQ(u.text(FolderLabelId), "Folder to Install Quorvel:");
        EXPECT_EQ(u.text(FolderBoxId), defaultInstallFolder(home / ".local/share").systemBytes());
        u.click(InstallCancelButtonId);
    });
}

TEST_F(InstallDialogTest, InstallTakesTheBoxesAndTheFolderAsTheUserLeftThem) {
    ui.messageBoxes.expect(Answer::Ok);
    run([&](ScriptedUser& u) {
        u.click(MenuShortcutBoxId);
        u.replaceText(FolderBoxId, home / "Books");
        u.click(InstallButtonId);
    });
    EXPECT_EQ(ui.messageBoxes.shown.back().text, "Quorvels successfully installed");
    EXPECT_EQ(ui.history, (std::vector<std::string>{"window: Install Quorvel", "message box: "}));
    EXPECT_EQ(readFile(home / ("Books/" + uninstallerFileName())), "contents of " + uninstallerFileName());
    EXPECT_TRUE(fs::exists(shortcutIn(desktop)));
    EXPECT_FALSE(fs::exists(shortcutIn(programs)));
}

TEST_F(InstallDialogTest, CancelAndTheCloseBoxEndWithNothingInstalled) {
    run([&](ScriptedUser& u) { u.click(InstallCancelButtonId); });
    run([&](ScriptedUser& u) { u.closeBox(); });
    EXPECT_TRUE(ui.messageBoxes.shown.empty());
    EXPECT_TRUE(nothingInstalled());
}

TEST_F(InstallDialogTest, EnterAndEscapeDoNothing) {
    run([&](ScriptedUser& u) {
        u.pressEnter();
        u.pressEscape();
        EXPECT_FALSE(u.state().ended);
        u.click(InstallCancelButtonId);
    });
    EXPECT_TRUE(ui.messageBoxes.shown.empty());
    EXPECT_TRUE(nothingInstalled());
}

}  // namespace
