#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "install/install_run.h"
#include "platform/scripted/scripted_message_boxes.h"
#include "platform/system/file_key_store.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::Answer;
namespace fs = std::filesystem;

struct InstallTest : ::testing::Test {
    TemporaryFolder home;
    platform::scripted::ScriptedMessageBoxes messages;
    platform::FileKeyStore keys{home / ".config/quorvels-keys.ini"};
    InstallServices services{messages, keys, home / "dist", home.path, home / "Desktop", home / ".local/share/applications"};

    void SetUp() override {
        for (const std::string& name : installFiles()) writeFile(home / ("dist/" + name), "contents of " + name);
    }

    std::string install(const std::string& folderText, bool desktop = true, bool menu = true) {
        messages.expect(Answer::Ok);
        runInstall(services, {folderText, desktop, menu});
        return messages.shown.back().text;
    }
};

TEST_F(InstallTest, MissingFilesAreListedInOrderAndNothingIsCreated) {
    fs::remove(home / "dist/quorvels.cnt");
    fs::remove(home / "dist/unInstall");
    EXPECT_EQ(install(home / "Books"), "Not all install files are present...\r\nquorvels.cnt\r\nunInstall");
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::None);
    EXPECT_FALSE(fs::exists(home / "Books"));
    EXPECT_FALSE(fs::exists(home / "Desktop"));
    EXPECT_FALSE(keys.keyExists("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvels"));
}

TEST_F(InstallTest, FullInstallCopiesRegistersAndMakesValidShortcuts) {
    EXPECT_EQ(install(home / "Books/"), "Quorvels successfully installed");
    for (const std::string& name : installFiles())
        EXPECT_EQ(readFile(home / ("Books/" + name)), "contents of " + name) << name;

    platform::FileKeyStore reread(home / ".config/quorvels-keys.ini");
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvels";
    EXPECT_EQ(reread.queryString(key, "DisplayName"), "Folimarch");
    EXPECT_EQ(reread.queryString(key, "uninstallSTRING"), home / "Books/unInstall");

    for (const std::string& shortcut : {home / "Desktop/Folimarch.desktop", home / ".local/share/applications/Folimarch.desktop"}) {
        const std::string entry = readFile(shortcut);
        EXPECT_NE(entry.find("Exec=\"" + home / "Books/quorvels\""), std::string::npos) << entry;
        EXPECT_NE(entry.find("Path=" + home / "Books/"), std::string::npos) << entry;
        EXPECT_EQ(access(shortcut.c_str(), X_OK), 0);
        EXPECT_EQ(std::system(("desktop-file-validate '" + shortcut + "'").c_str()), 0) << entry;
    }
}

TEST_F(InstallTest, FolderWithoutFinalSlashWithBlanksAndMissingParents) {
    EXPECT_EQ(install(home / "my books/deep/er"), "Quorvels successfully installed");
    EXPECT_TRUE(fs::exists(home / "my books/deep/er/quorvels"));
    const std::string entry = readFile(home / "Desktop/Folimarch.desktop");
    EXPECT_NE(entry.find("Exec=\"" + home / "my books/deep/er/quorvels\""), std::string::npos) << entry;
    EXPECT_EQ(std::system(("desktop-file-validate '" + home / "Desktop/Folimarch.desktop'").c_str()), 0);
}

TEST_F(InstallTest, HomeRelativeAndRelativeFoldersBecomeAbsolute) {
    InstallChoice choice{"~/Apps", true, true};
    EXPECT_EQ(installFolderOf(choice, services), home / "Apps/");
    choice.folderText = "Local";
    EXPECT_EQ(installFolderOf(choice, services), home / "dist/Local/");
    EXPECT_EQ(defaultInstallFolder(home / ".local/share"), home / ".local/share/Folimarch/");
}

TEST_F(InstallTest, ClearedBoxesMakeNoShortcuts) {
    EXPECT_EQ(install(home / "Books", false, false), "Quorvels successfully installed");
    EXPECT_TRUE(fs::exists(home / "Books/unInstall"));
    EXPECT_FALSE(fs::exists(home / "Desktop/Folimarch.desktop"));
    EXPECT_FALSE(fs::exists(home / ".local/share/applications/Folimarch.desktop"));
}

TEST_F(InstallTest, SecondInstallReplacesOlderCopies) {
    install(home / "Books");
    writeFile(home / "dist/quorvels", "a newer program");
    EXPECT_EQ(install(home / "Books"), "Quorvels successfully installed");
    EXPECT_EQ(readFile(home / "Books/quorvels"), "a newer program");
}

TEST_F(InstallTest, FolderThatCannotBeCreatedIsReported) {
    writeFile(home / "blocker", "a file where a folder should go");
    const std::string text = install(home / "blocker/Books");
    EXPECT_EQ(text.rfind("Quorvels was not installed completely:", 0), 0u) << text;
    EXPECT_NE(text.find(home / "blocker/Books/"), std::string::npos) << text;
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Exclamation);
}

}  // namespace
