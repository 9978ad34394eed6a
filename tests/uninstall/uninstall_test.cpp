#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "install/install_run.h"
#include "platform/executable_suffix.h"
#include "platform/path_form.h"
#include "platform/testing/scripted_message_boxes.h"
#include "tests/support/product_home.h"
#include "uninstall/uninstall_run.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/wide_text.h"
#else
#include <unistd.h>

#include "tests/support/tmpfs_mount.h"
#endif

namespace {

using platform::Answer;
namespace fs = std::filesystem;

const std::string RestOfTheFolder = "\r\n\r\nYou can now delete the rest of the folder manually:\r\n";
const std::string Uninstalled = "Quillery has been successfully uninstalled..." + RestOfTheFolder;

struct UninstallTest : ::testing::Test, ProductHome {
    platform::scripted::ScriptedMessageBoxes messages;
    InstallServices installing = installServices(messages);
    UninstallServices uninstalling = uninstallServices(messages, home / "elsewhere");

    void installInto(const TestPath& folder) {
        messages.expect(Answer::Ok);
        runInstall(installing, {folder, true, true});
        ASSERT_EQ(messages.shown.back().text, "Quorvels successfully installed");
    }

    // The folder the installer makes of a name typed without a final separator.
    std::string inHome(const std::string& name) const { return folderWithSeparator(home / name); }

    std::string uninstall() {
        messages.expect(Answer::Yes);
        messages.expect(Answer::Ok);
        runUninstall(uninstalling);
        return messages.shown.back().text;
    }
};

TEST_F(UninstallTest, NoChangesNothing) {
    installInto(home / "Books");
    messages.expect(Answer::No);
    runUninstall(uninstalling);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown.back().text, "Uninstall Quillery now?");
    EXPECT_EQ(messages.shown.back().caption, "Quillery");
    EXPECT_EQ(messages.shown.back().buttons, platform::Buttons::YesNo);
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Question);
    EXPECT_EQ(namesIn(home / "Books").size(), 4u);
    EXPECT_TRUE(keys.keyExists(UninstallEntryPath));
    EXPECT_TRUE(fs::exists(shortcutIn(desktop)));
    EXPECT_TRUE(fs::exists(shortcutIn(programs)));
}

// Every listed name that is a plain file goes, the help index included.
TEST_F(UninstallTest, YesRemovesProductEntryAndShortcutsButKeepsItselfAndOthers) {
    installInto(home / "Books");
    writeFile(home / "Books/my catalogue.pmr", "keep me");
    writeFile(home / "Books/quorvels.gid", "help index");
    writeFile(home / "Books/install" + std::string(platform::ExecutableSuffix), "the installer");
    fs::create_directories(home / "Books/quorvels.ico/mine");  // a folder of a listed name is not ours
    EXPECT_EQ(uninstall(), Uninstalled + inHome("Books"));
    EXPECT_EQ(messages.shown.back().caption, "Uninstall Quorvels");
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Information);
    EXPECT_EQ(namesIn(home / "Books"),
              (std::vector<std::string>{"my catalogue.pmr", "quorvels.ico", uninstallerFileName()}));
    EXPECT_FALSE(keys.keyExists(UninstallEntryPath));
    EXPECT_FALSE(keyStore.reread().keyExists(UninstallEntryPath));
    EXPECT_FALSE(fs::exists(shortcutIn(desktop)));
    EXPECT_FALSE(fs::exists(shortcutIn(programs)));
}

// The folders are UTF-8, as this file is written; the message shows their
// real names.
TEST_F(UninstallTest, AFolderOfAnyLettersIsFoundAndNamedAsItIs) {
    installInto(home / "Bücher");
    EXPECT_EQ(uninstall(), Uninstalled + inHome("Bücher"));
    EXPECT_EQ(namesIn(home / "B\xC3\xBC"
                             "cher"),
              (std::vector<std::string>{uninstallerFileName()}));
    installInto(home / "Документы/Książki");
    EXPECT_EQ(uninstall(), Uninstalled + inHome("Документы/Książki"));
    EXPECT_EQ(namesIn(home / "Документы/Książki"), (std::vector<std::string>{uninstallerFileName()}));
}

TEST_F(UninstallTest, WithoutEntryWorksInTheCurrentFolderAndASecondRunToo) {
    writeFile(home / "elsewhere/quorvels.hlp", "help");
    writeFile(home / "elsewhere/notes.txt", "mine");
    EXPECT_EQ(uninstall(), Uninstalled);
    EXPECT_FALSE(fs::exists(home / "elsewhere/quorvels.hlp"));
    EXPECT_TRUE(fs::exists(home / "elsewhere/notes.txt"));

    installInto(home / "Books");
    EXPECT_EQ(uninstall(), Uninstalled + inHome("Books"));
    EXPECT_EQ(uninstall(), Uninstalled);
    EXPECT_EQ(namesIn(home / "Books"), (std::vector<std::string>{uninstallerFileName()}));
}

// A stale or altered entry must not make the uninstaller delete elsewhere:
// the entry has to name our uninstaller by a full path, and it has to be there.
TEST_F(UninstallTest, UntrustedEntryDeletesNothingThere) {
    writeFile(home / "system/install", "a system file called install");
    writeFile(home / "system/ls", "another program");
    for (const std::string& command : std::initializer_list<std::string>{
             "relative/" + uninstallerFileName(), home / ("system/" + uninstallerFileName()), home / "system/ls"}) {
        ASSERT_TRUE(keys.createKey(UninstallEntryPath));
        ASSERT_TRUE(keys.setString(UninstallEntryPath, "UninstallString", command));
        EXPECT_EQ(uninstall(),
                  "The uninstall entry pointed to \"" + command +
                      "\", which is not the uninstaller of Quillery, so no file was deleted in that folder.");
        EXPECT_EQ(messages.shown.back().icon, platform::Icon::Exclamation);
        EXPECT_TRUE(fs::exists(home / "system/install"));
        EXPECT_FALSE(keys.keyExists(UninstallEntryPath));
    }
}

#ifdef _WIN32
// Windows marks files hidden and system: the help index goes all the same,
// while a hidden program file stays, and the message names it.
TEST_F(UninstallTest, AHiddenHelpIndexGoesAndAHiddenProgramStays) {
    installInto(home / "Books");
    const std::string folder = inHome("Books");
    writeFile(folder + HelpIndexFileName, "help index");
    ASSERT_TRUE(SetFileAttributesW(platform::wideFromPath(folder + HelpIndexFileName).c_str(),
                                   FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetFileAttributesW(platform::wideFromPath(folder + programFileName()).c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(uninstall(), "Quillery has been uninstalled.\r\n\r\nThese could not be deleted:\r\n" + folder +
                               programFileName() + RestOfTheFolder + folder);
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{programFileName(), uninstallerFileName()}));
}
#else
TEST_F(UninstallTest, AnEntryThatCannotBeRemovedIsNamed) {
    installInto(home / "Books");
    writeFile(keyStorePath() + ".new/in the way", "");  // a folder where the store writes before it renames
    EXPECT_EQ(uninstall(), "Quillery has been uninstalled.\r\n\r\nThese could not be deleted:\r\nthe uninstall entry" +
                               RestOfTheFolder + inHome("Books"));
    EXPECT_EQ(namesIn(home / "Books"), (std::vector<std::string>{uninstallerFileName()}));
}

// Root deletes from read-only folders, but not from a read-only file system.
TEST_F(UninstallTest, FilesThatCannotBeDeletedAreNamed) {
    std::optional<TmpfsMount> mount;
    if (geteuid() == 0) {
        mount.emplace(home / "Books", "size=1m");
        if (!mount->mounted()) GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    installInto(home / "Books");
    if (mount)
        ASSERT_TRUE(mount->remountReadOnly());
    else
        fs::permissions(home / "Books", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string text = uninstall();
    if (!mount) fs::permissions(home / "Books", fs::perms::owner_all);
    EXPECT_EQ(text, "Quillery has been uninstalled.\r\n\r\nThese could not be deleted:\r\n" +
                        home / ("Books/" + programFileName()) + "\r\n" + home / "Books/quorvels.hlp\r\n" +
                        home / "Books/quorvels.cnt" + RestOfTheFolder + inHome("Books"));
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Exclamation);
    EXPECT_FALSE(fs::exists(shortcutIn(desktop)));
}

#endif

}  // namespace
