#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "install/install_run.h"
#include "install/product_files.h"
#include "platform/scripted/scripted_message_boxes.h"
#include "tests/support/product_home.h"

namespace {

using platform::Answer;
namespace fs = std::filesystem;

const std::string Installed = "Quorvels successfully installed";

struct InstallTest : ::testing::Test, ProductHome {
    platform::scripted::ScriptedMessageBoxes messages;
    InstallServices services = installServices(messages);

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
    EXPECT_FALSE(fs::exists(desktop));
    EXPECT_FALSE(keys.keyExists(UninstallEntryPath));
}

TEST_F(InstallTest, FullInstallCopiesRegistersAndMakesValidShortcuts) {
    EXPECT_EQ(install(home / "Books/"), Installed);
    EXPECT_EQ(messages.shown.back().caption, "");
    for (const std::string& name : installedFiles())
        EXPECT_EQ(readFile(home / ("Books/" + name)), "contents of " + name) << name;

    platform::FileKeyStore reread(keyStorePath());
    EXPECT_EQ(reread.queryString(UninstallEntryPath, "DisplayName"), "Folimarch");
    EXPECT_EQ(reread.queryString(UninstallEntryPath, "uninstallSTRING"), home / "Books/unInstall");

    for (const std::string& shortcut : {desktop + "/Folimarch.desktop", programs + "/Folimarch.desktop"}) {
        const std::string entry = readFile(shortcut);
        EXPECT_NE(entry.find("Exec=\"" + home / "Books/quorvels\""), std::string::npos) << entry;
        EXPECT_NE(entry.find("Path=" + home / "Books/"), std::string::npos) << entry;
        EXPECT_EQ(access(shortcut.c_str(), X_OK), 0);
        EXPECT_EQ(desktopEntryProblems(shortcut), "") << entry;
    }
}

TEST_F(InstallTest, FolderWithoutFinalSlashWithBlanksAndMissingParents) {
    EXPECT_EQ(install(home / "my books/deep/er"), Installed);
    EXPECT_TRUE(fs::exists(home / "my books/deep/er/quorvels"));
    EXPECT_EQ(keys.queryString(UninstallEntryPath, "UninstallString"), home / "my books/deep/er/unInstall");
    const std::string entry = readFile(desktop + "/Folimarch.desktop");
    EXPECT_NE(entry.find("Exec=\"" + home / "my books/deep/er/quorvels\""), std::string::npos) << entry;
    EXPECT_NE(entry.find("Path=" + home / "my books/deep/er/\n"), std::string::npos) << entry;
    EXPECT_EQ(desktopEntryProblems(desktop + "/Folimarch.desktop"), "");
}

// A folder is taken as the system names it (UTF-8, as this source file is
// written), in letters Windows-1252 has or has not, and stays that name
// everywhere: the folder, the uninstall entry in the key store file and the
// desktop entries.
TEST_F(InstallTest, AFolderInAnyLettersIsTheSystemsNameEverywhere) {
    for (const std::string& folder : {home / "Bücher/", home / "Документы/Książki/"}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(install(folder), Installed);
        EXPECT_EQ(readFile(folder + "quorvels"), "contents of quorvels");
        EXPECT_NE(readFile(keyStorePath()).find("UninstallString=" + folder + "unInstall\n"), std::string::npos);
        for (const std::string& shortcut : {desktop + "/Folimarch.desktop", programs + "/Folimarch.desktop"}) {
            const std::string entry = readFile(shortcut);
            EXPECT_NE(entry.find("Exec=\"" + folder + "quorvels\"\nPath=" + folder + "\n"), std::string::npos) << entry;
            EXPECT_EQ(desktopEntryProblems(shortcut), "") << entry;
        }
    }
    // A message shows the name as closely as Windows-1252 can.
    writeFile(home / "blocker", "a file where a folder should go");
    EXPECT_EQ(install(home / "blocker/Książki"),
              "The folder " + home / "blocker/Ksiazki/" + " could not be created: Not a directory\r\nNothing was installed.");
}

TEST_F(InstallTest, HomeRelativeAndRelativeFoldersBecomeAbsolute) {
    InstallChoice choice{"~/Apps", true, true};
    EXPECT_EQ(installFolderOf(choice, services), home / "Apps/");
    choice.typedFolder = "Local";
    EXPECT_EQ(installFolderOf(choice, services), home / "dist/Local/");
    EXPECT_EQ(defaultInstallFolder(home / ".local/share"), home / ".local/share/Folimarch/");
}

TEST_F(InstallTest, ClearedBoxesMakeNoShortcuts) {
    EXPECT_EQ(install(home / "Books", false, false), Installed);
    EXPECT_TRUE(fs::exists(home / "Books/unInstall"));
    EXPECT_TRUE(keys.keyExists(UninstallEntryPath));
    EXPECT_FALSE(fs::exists(desktop + "/Folimarch.desktop"));
    EXPECT_FALSE(fs::exists(programs + "/Folimarch.desktop"));
}

TEST_F(InstallTest, SecondInstallReplacesOlderCopies) {
    install(home / "Books");
    writeFile(home / "dist/quorvels", "a newer program");
    EXPECT_EQ(install(home / "Books"), Installed);
    EXPECT_EQ(readFile(home / "Books/quorvels"), "a newer program");
    EXPECT_EQ(platform::FileKeyStore(keyStorePath()).queryString(UninstallEntryPath, "UninstallString"),
              home / "Books/unInstall");
}

TEST_F(InstallTest, SecondInstallReplacesAProgramThatIsRunning) {
    fs::copy_file("/bin/sleep", home / "dist/quorvels", fs::copy_options::overwrite_existing);
    install(home / "Books");
    const std::string running = home / "Books/quorvels";
    char* arguments[] = {const_cast<char*>(running.c_str()), const_cast<char*>("60"), nullptr};
    pid_t program = 0;
    ASSERT_EQ(posix_spawn(&program, running.c_str(), nullptr, nullptr, arguments, environ), 0);  // returns once it runs
    writeFile(home / "dist/quorvels", "a newer program");
    EXPECT_EQ(install(home / "Books"), Installed);
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
    EXPECT_EQ(readFile(running), "a newer program");
    EXPECT_FALSE(fs::exists(running + ".new"));
}

TEST_F(InstallTest, InstallingIntoTheSourceFolderKeepsTheFiles) {
    EXPECT_EQ(install(home / "dist"), Installed);
    EXPECT_EQ(readFile(home / "dist/quorvels"), "contents of quorvels");
}

TEST_F(InstallTest, AFolderThatCannotBeCreatedStopsTheInstall) {
    writeFile(home / "blocker", "a file where a folder should go");
    EXPECT_EQ(install(home / "blocker/Books"), "The folder " + home / "blocker/Books/" +
                                                   " could not be created: Not a directory\r\nNothing was installed.");
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Exclamation);
    EXPECT_FALSE(keys.keyExists(UninstallEntryPath));
    EXPECT_FALSE(fs::exists(desktop));
}

TEST_F(InstallTest, EachFailureIsNamedInsteadOfSuccess) {
    writeFile(desktop, "a file where the desktop folder should go");
    fs::create_directories(home / "Books/quorvels.hlp");  // a folder where a copy should go
    const std::string text = install(home / "Books");
    EXPECT_EQ(text.rfind("Quorvels was not installed completely:\r\nCopying quorvels.hlp: ", 0), 0u) << text;
    const std::string rest = "\r\nThe desktop shortcut: Not a directory\r\nEverything else is in place.";
    EXPECT_EQ(text.substr(text.find("\r\n", 40)), rest) << text;
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Exclamation);
    EXPECT_EQ(readFile(home / "Books/quorvels.cnt"), "contents of quorvels.cnt");
    EXPECT_TRUE(fs::exists(programs + "/Folimarch.desktop"));
}

TEST_F(InstallTest, AKeyStoreThatCannotBeWrittenIsReported) {
    writeFile(keyStorePath() + ".new/in the way", "");  // a folder where the store writes before it renames
    const std::string text = install(home / "Books");
    EXPECT_NE(text.find("The uninstall entry: the list of installed programs cannot be written"), std::string::npos) << text;
    EXPECT_TRUE(fs::exists(home / "Books/quorvels"));
}

}  // namespace
