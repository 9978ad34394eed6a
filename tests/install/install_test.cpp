#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "install/install_run.h"
#include "install/product_files.h"
#include "platform/path_form.h"
#include "platform/testing/scripted_message_boxes.h"
#include "tests/support/product_home.h"
#include "tests/support/shortcut_reader.h"

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace {

using platform::Answer;
namespace fs = std::filesystem;

const std::string Installed = "Quorvels successfully installed";
const std::string Program = programFileName();
const std::string Uninstaller = uninstallerFileName();

struct InstallTest : ::testing::Test, ProductHome {
    platform::scripted::ScriptedMessageBoxes messages;
    InstallServices services = installServices(messages);

    std::string install(const TestPath& folderText, bool desktop = true, bool menu = true) {
        messages.expect(Answer::Ok);
        runInstall(services, {folderText, desktop, menu});
        return messages.shown.back().text;
    }

    // Both shortcuts start the program installed in `folder` (which ends in
    // a separator) in that folder, and are valid shortcuts of the system.
    void expectShortcutsTo(const std::string& folder) {
        for (const std::string& shortcut : {shortcutIn(desktop), shortcutIn(programs)}) {
            const Shortcut link = readShortcut(shortcut);
            EXPECT_EQ(link.target, folder + Program) << shortcut;
            EXPECT_EQ(link.workingFolder, folder) << shortcut;
            EXPECT_EQ(link.problems, "") << shortcut;
        }
    }
};

TEST_F(InstallTest, MissingFilesAreListedInOrderAndNothingIsCreated) {
    fs::remove(home / "dist/quorvels.cnt");
    fs::remove(home / ("dist/" + Uninstaller));
    EXPECT_EQ(install(home / "Books"), "Not all install files are present...\r\nquorvels.cnt\r\n" + Uninstaller);
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

    const auto reread = keyStore.reread();
    EXPECT_EQ(reread.queryString(UninstallEntryPath, "DisplayName"), "Folimarch");
    EXPECT_EQ(reread.queryString(UninstallEntryPath, "uninstallSTRING"), home / ("Books/" + Uninstaller));
    expectShortcutsTo(home / "Books/");
}

TEST_F(InstallTest, FolderWithoutFinalSlashWithBlanksAndMissingParents) {
    EXPECT_EQ(install(home / "my books/deep/er"), Installed);
    const std::string folder = folderWithSeparator(home / "my books/deep/er");
    EXPECT_TRUE(fs::exists(folder + Program));
    EXPECT_EQ(keys.queryString(UninstallEntryPath, "UninstallString"), folder + Uninstaller);
    expectShortcutsTo(folder);
}

// A folder is taken as the system names it (UTF-8, as this source file is
// written), in letters Windows-1252 has or has not, and stays that name
// everywhere: the folder, the uninstall entry and the shortcuts.
TEST_F(InstallTest, AFolderInAnyLettersIsTheSystemsNameEverywhere) {
    for (const std::string& folder : {home / "Bücher/", home / "Документы/Książki/"}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(install(folder), Installed);
        EXPECT_EQ(readFile(folder + Program), "contents of " + Program);
        EXPECT_EQ(keyStore.reread().queryString(UninstallEntryPath, "UninstallString"), folder + Uninstaller);
        expectShortcutsTo(folder);
    }
    // A message shows the real name.
    writeFile(home / "blocker", "a file where a folder should go");
    const std::string text = install(home / "blocker/Książki");
    EXPECT_EQ(text.rfind("The folder " + folderWithSeparator(home / "blocker/Książki") + " could not be created: ", 0),
              0u)
        << text;
}

TEST_F(InstallTest, HomeRelativeAndRelativeFoldersBecomeAbsolute) {
    InstallChoice choice{platform::SystemPath::fromSystem("~/Apps"), true, true};
    EXPECT_EQ(installFolderOf(choice, services), folderWithSeparator(home.path + "/Apps"));
    choice.typedFolder = platform::SystemPath::fromSystem("Local");
    EXPECT_EQ(installFolderOf(choice, services), folderWithSeparator(home / "dist" + PathSeparator + "Local"));
    EXPECT_EQ(defaultInstallFolder(home / "Programs"),
              folderWithSeparator(home / "Programs" + PathSeparator + "Folimarch"));
}

TEST_F(InstallTest, ClearedBoxesMakeNoShortcuts) {
    EXPECT_EQ(install(home / "Books", false, false), Installed);
    EXPECT_TRUE(fs::exists(home / ("Books/" + Uninstaller)));
    EXPECT_TRUE(keys.keyExists(UninstallEntryPath));
    EXPECT_FALSE(fs::exists(shortcutIn(desktop)));
    EXPECT_FALSE(fs::exists(shortcutIn(programs)));
}

TEST_F(InstallTest, SecondInstallReplacesOlderCopies) {
    install(home / "Books");
    writeFile(home / ("dist/" + Program), "a newer program");
    EXPECT_EQ(install(home / "Books"), Installed);
    EXPECT_EQ(readFile(home / ("Books/" + Program)), "a newer program");
    EXPECT_EQ(keyStore.reread().queryString(UninstallEntryPath, "UninstallString"), home / ("Books/" + Uninstaller));
}

TEST_F(InstallTest, InstallingIntoTheSourceFolderKeepsTheFiles) {
    EXPECT_EQ(install(home / "dist"), Installed);
    EXPECT_EQ(readFile(home / ("dist/" + Program)), "contents of " + Program);
}

TEST_F(InstallTest, AFolderThatCannotBeCreatedStopsTheInstall) {
    writeFile(home / "blocker", "a file where a folder should go");
    const std::string text = install(home / "blocker/Books");
    EXPECT_EQ(text.rfind("The folder " + folderWithSeparator(home / "blocker/Books") + " could not be created: ", 0),
              0u)
        << text;
    EXPECT_EQ(text.substr(text.size() - 24), "\r\nNothing was installed.") << text;
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Exclamation);
    EXPECT_FALSE(keys.keyExists(UninstallEntryPath));
    EXPECT_FALSE(fs::exists(desktop));
}

TEST_F(InstallTest, EachFailureIsNamedInsteadOfSuccess) {
    writeFile(desktop, "a file where the desktop folder should go");
    fs::create_directories(home / "Books/quorvels.hlp");  // a folder where a copy should go
    const std::string text = install(home / "Books");
    EXPECT_EQ(text.rfind("Quorvels was not installed completely:\r\nCopying quorvels.hlp: ", 0), 0u) << text;
    const std::string rest = text.substr(text.find("\r\n", 40));
    EXPECT_EQ(rest.rfind("\r\nThe desktop shortcut: ", 0), 0u) << text;
    EXPECT_EQ(rest.substr(rest.size() - 30), "\r\nEverything else is in place.") << text;
    EXPECT_EQ(std::count(rest.begin(), rest.end(), '\n'), 2) << text;
    EXPECT_EQ(messages.shown.back().icon, platform::Icon::Exclamation);
    EXPECT_EQ(readFile(home / "Books/quorvels.cnt"), "contents of quorvels.cnt");
    EXPECT_TRUE(fs::exists(shortcutIn(programs)));
}

#ifndef _WIN32
TEST_F(InstallTest, AKeyStoreThatCannotBeWrittenIsReported) {
    writeFile(keyStorePath() + ".new/in the way", "");  // a folder where the store writes before it renames
    const std::string text = install(home / "Books");
    EXPECT_NE(text.find("The uninstall entry: the list of installed programs cannot be written"), std::string::npos)
        << text;
    EXPECT_TRUE(fs::exists(home / ("Books/" + Program)));
}

// Linux lets a running program's file be replaced by a rename.
TEST_F(InstallTest, SecondInstallReplacesAProgramThatIsRunning) {
    fs::copy_file("/bin/sleep", home / "dist/quorvels", fs::copy_options::overwrite_existing);
    install(home / "Books");
    const TestPath running = home / "Books/quorvels";
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
#endif

}  // namespace
