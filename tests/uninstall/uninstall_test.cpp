#include <gtest/gtest.h>

#include <filesystem>

#include "install/install_run.h"
#include "platform/scripted/scripted_message_boxes.h"
#include "platform/system/file_key_store.h"
#include "tests/support/temporary_folder.h"
#include "uninstall/uninstall_run.h"

namespace {

using platform::Answer;
namespace fs = std::filesystem;

const std::string entryKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvels";

struct UninstallTest : ::testing::Test {
    TemporaryFolder home;
    platform::scripted::ScriptedMessageBoxes messages;
    platform::FileKeyStore keys{home / ".config/quorvels-keys.ini"};
    std::string desktop = home / "Desktop";
    std::string programs = home / "applications";
    InstallServices installing{messages, keys, home / "dist", home.path, desktop, programs};
    UninstallServices uninstalling{messages, keys, home / "elsewhere", desktop, programs};

    void installInto(const std::string& folder) {
        for (const std::string& name : installFiles()) writeFile(home / ("dist/" + name), name);
        messages.expect(Answer::Ok);
        runInstall(installing, {folder, true, true});
        ASSERT_EQ(messages.shown.back().text, "Quorvels successfully installed");
    }

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
    EXPECT_EQ(messages.shown.back().text, "Uninstall Quillery now?");
    EXPECT_EQ(messages.shown.back().caption, "Quillery");
    EXPECT_EQ(messages.shown.back().buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(fs::exists(home / "Books/quorvels"));
    EXPECT_TRUE(keys.keyExists(entryKey));
    EXPECT_TRUE(fs::exists(desktop + "/Folimarch.desktop"));
}

TEST_F(UninstallTest, YesRemovesProductEntryAndShortcutsButKeepsItselfAndOthers) {
    installInto(home / "Books");
    writeFile(home / "Books/my catalogue.pmr", "keep me");
    writeFile(home / "Books/quorvels.gid", "help index");
    fs::create_directories(home / "Books/install");  // a folder of that name is not ours to delete
    const std::string text = uninstall();
    EXPECT_EQ(text, "Quillery has been successfully uninstalled...\r\n\r\nYou can now delete the rest of the folder manually:\r\n" + home / "Books/");
    EXPECT_EQ(messages.shown.back().caption, "Uninstall Quorvels");
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Information);
    EXPECT_EQ(text.substr(text.size() - (home / "Books/").size()), home / "Books/");
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(home / "Books")) left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"install", "my catalogue.pmr", "unInstall"}));
    EXPECT_FALSE(keys.keyExists(entryKey));
    EXPECT_FALSE(platform::FileKeyStore(home / ".config/quorvels-keys.ini").keyExists(entryKey));
    EXPECT_FALSE(fs::exists(desktop + "/Folimarch.desktop"));
    EXPECT_FALSE(fs::exists(programs + "/Folimarch.desktop"));
}

TEST_F(UninstallTest, WithoutEntryWorksInTheCurrentFolderAndASecondRunToo) {
    writeFile(home / "elsewhere/quorvels.hlp", "help");
    writeFile(home / "elsewhere/notes.txt", "mine");
    EXPECT_EQ(uninstall(), "Quillery has been successfully uninstalled...\r\n\r\nYou can now delete the rest of the folder manually:\r\n");
    EXPECT_FALSE(fs::exists(home / "elsewhere/quorvels.hlp"));
    EXPECT_TRUE(fs::exists(home / "elsewhere/notes.txt"));
    EXPECT_EQ(uninstall(), "Quillery has been successfully uninstalled...\r\n\r\nYou can now delete the rest of the folder manually:\r\n");
}

TEST_F(UninstallTest, UntrustedEntryDeletesNothingThere) {
    writeFile(home / "system/install", "a system file called install");
    ASSERT_TRUE(keys.createKey(entryKey));
    for (const std::string& command : {std::string("relative/unInstall"), home / "system/unInstall"}) {
        ASSERT_TRUE(keys.setString(entryKey, "UninstallString", command));
        const std::string text = uninstall();
        EXPECT_NE(text.find("no program file was deleted"), std::string::npos) << text;
        EXPECT_TRUE(fs::exists(home / "system/install"));
        ASSERT_TRUE(keys.createKey(entryKey));
    }
}

TEST_F(UninstallTest, FilesThatCannotBeDeletedAreNamed) {
    if (geteuid() == 0) GTEST_SKIP() << "root deletes from read-only folders";
    installInto(home / "Books");
    fs::permissions(home / "Books", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string text = uninstall();
    fs::permissions(home / "Books", fs::perms::owner_all);
    EXPECT_NE(text.find("could not be deleted:\r\n" + home / "Books/quorvels\r\n"), std::string::npos) << text;
}

}  // namespace
