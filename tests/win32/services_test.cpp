// The registry store as reg.exe sees it, shell links read back through the
// shell, the install file operations with Windows attributes, the special
// folders and the clock.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "platform/key_store.h"
#include "platform/special_folders.h"
#include "platform/system_clock.h"
#include "platform/system_install_files.h"
#include "platform/system_key_store.h"
#include "platform/win32/wide_path.h"
#include "platform/win32/wide_text.h"
#include "tests/win32/shell_link_reader.h"
#include "tests/win32/win32_test_support.h"

namespace {

using namespace win32_test;

// The installer's uninstall entry, written, read back, seen by reg.exe and deleted.
TEST(Win32Registry, TheUninstallEntryAsRegQueryShowsIt) {
    platform::KeyStore& keys = platform::systemKeyStore();
    const std::string name = "Quorvels test " + std::to_string(GetCurrentProcessId());
    const std::string key = std::string(platform::UninstallParentKey) + "\\" + name;
    const std::string uninstaller = "C:\\Program Files\\Folimarch\\unInstall.exe";
    ASSERT_FALSE(keys.keyExists(key));
    EXPECT_FALSE(keys.setString(key, "DisplayName", "Folimarch"));  // no key yet
    ASSERT_TRUE(keys.createKey(key));
    EXPECT_TRUE(keys.keyExists(key));
    EXPECT_TRUE(keys.setString(key, "DisplayName", "Folimarch"));
    EXPECT_TRUE(keys.setString(key, "UninstallString", uninstaller));
    // Names compare without regard to case, as the uninstaller spells them.
    EXPECT_EQ(keys.queryString(key, "Uninstallstring"), uninstaller);
    EXPECT_TRUE(keys.keyExists(std::string(platform::UninstallParentKey) + "\\QUORVELS TEST " +
                               std::to_string(GetCurrentProcessId())));

    const std::wstring regKey = L"HKLM\\" + platform::wideFromPath(key);
    std::string output;
    ASSERT_EQ(run(L"reg.exe query \"" + regKey + L"\" /v DisplayName", &output), 0u) << output;
    EXPECT_NE(output.find("DisplayName"), std::string::npos) << output;
    EXPECT_NE(output.find("REG_SZ"), std::string::npos) << output;
    EXPECT_NE(output.find("Folimarch"), std::string::npos) << output;

    // A value the ANSI code page cannot hold, and the longest value.
    const std::string greek =
        "C:\\\xCE\xA0\xCF\x81\xCE\xBF\xCE\xB3\xCF\x81\xCE\xAC\xCE\xBC\xCE\xBC\xCE\xB1\xCF\x84\xCE\xB1";
    EXPECT_TRUE(keys.setString(key, "Greek", greek));
    EXPECT_EQ(keys.queryString(key, "greek"), greek);
    EXPECT_TRUE(keys.setString(key, "Long", std::string(255, 'x')));
    EXPECT_EQ(keys.queryString(key, "Long"), std::string(255, 'x'));
    EXPECT_FALSE(keys.setString(key, "Longer", std::string(256, 'x')));
    EXPECT_EQ(keys.queryString(key, "Longer"), std::nullopt);
    EXPECT_EQ(keys.queryString(key, "Missing"), std::nullopt);

    EXPECT_TRUE(keys.deleteKey(key));
    EXPECT_FALSE(keys.keyExists(key));
    EXPECT_FALSE(keys.deleteKey(key));
    EXPECT_EQ(keys.queryString(key, "DisplayName"), std::nullopt);
    EXPECT_NE(run(L"reg.exe query \"" + regKey + L"\"", &output), 0u) << output;
}

TEST(Win32Install, ShortcutsAreShellLinksTheShellReadsBack) {
    TempFolder folder;
    platform::InstallFiles& files = platform::systemInstallFiles();
    const TestPath program = folder / "quorvels.exe";
    writeFile(program, "MZ");
    const TestPath link = files.shortcutPath(folder.path, "Folimarch").systemBytes();
    EXPECT_EQ(link, folder / "Folimarch.lnk");
    EXPECT_EQ(files.createShortcut(folder.path, "Folimarch", program, folder.path), "");
    const ShellLink read = readShellLink(link);
    EXPECT_EQ(read.target, program);
    EXPECT_EQ(read.workingFolder, folder.path);
    EXPECT_EQ(read.problem, "");
    // Written again over itself, and into a program menu folder that is not there yet.
    EXPECT_EQ(files.createShortcut(folder.path, "Folimarch", program, folder.path), "");
    EXPECT_EQ(files.createShortcut(folder / "new menu", "Folimarch", program, folder.path), "");
    EXPECT_EQ(namesIn(folder.path), "Folimarch.lnk new menu quorvels.exe");
    EXPECT_EQ(namesIn(folder / "new menu"), "Folimarch.lnk");
}

// Installing into folders that are not there yet, over older copies, and
// removing with Windows attributes in the way.
TEST(Win32Install, FoldersCopiesAndRemovalsWithAttributes) {
    TempFolder folder;
    platform::InstallFiles& files = platform::systemInstallFiles();
    const TestPath target = folder / "Program Files\\Folimarch";
    EXPECT_EQ(files.makeFolders(TestPath(target + "\\")), "");
    EXPECT_EQ(files.makeFolders(target), "");  // already there
    writeFile(folder / "file", "x");
    EXPECT_EQ(files.makeFolders(folder / "file"), "it is not a folder");
    EXPECT_NE(files.makeFolders(TestPath("Q:\\no such drive\\folder")), "");
    EXPECT_TRUE(files.isFile(folder / "file"));
    EXPECT_FALSE(files.isFile(target));
    EXPECT_FALSE(files.isFile(folder / "missing"));

    const TestPath installed = target + "\\quorvels.exe";
    writeFile(folder / "new.exe", "new program");
    writeFile(installed, "old program");
    EXPECT_EQ(files.copyReplacing(folder / "new.exe", installed), "");
    EXPECT_EQ(contentsOf(installed), "new program");
    EXPECT_EQ(files.copyReplacing(installed, installed), "");  // the same file: left as it is
    EXPECT_EQ(contentsOf(installed), "new program");
    EXPECT_NE(files.copyReplacing(folder / "missing.exe", installed), "");
    EXPECT_EQ(contentsOf(installed), "new program");
    EXPECT_EQ(namesIn(target), "quorvels.exe");

    // A running program (open as Windows opens an image: others may read and
    // rename it) cannot be replaced, but is renamed away for the new copy.
    HANDLE running = CreateFileW(platform::widePath(installed).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(running, INVALID_HANDLE_VALUE);
    writeFile(folder / "newer.exe", "newer program");
    EXPECT_EQ(files.copyReplacing(folder / "newer.exe", installed), "");
    CloseHandle(running);
    EXPECT_EQ(contentsOf(installed), "newer program");
    EXPECT_EQ(contentsOf(installed + ".old"), "new program");
    EXPECT_EQ(namesIn(target), "quorvels.exe quorvels.exe.old");
    EXPECT_TRUE(files.removeIfPresent(TestPath(installed + ".old")));

    // Removing: missing and folders pass; normal files go; hidden, system and
    // read-only files stay until their attributes are cleared.
    EXPECT_TRUE(files.removeIfPresent(folder / "missing"));
    EXPECT_TRUE(files.removeIfPresent(folder / "missing folder\\missing"));
    EXPECT_TRUE(files.removeIfPresent(target));
    EXPECT_TRUE(files.removeIfPresent(installed));
    EXPECT_EQ(namesIn(target), "");
    for (const unsigned long attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_READONLY}) {
        const TestPath help = target + "\\quorvels.gid";
        writeFile(help, "index");
        setAttributes(help, attribute);
        EXPECT_FALSE(files.removeIfPresent(help)) << attribute;
        EXPECT_EQ(contentsOf(help), "index");
        files.clearAttributes(help);
        EXPECT_TRUE(files.removeIfPresent(help)) << attribute;
        EXPECT_EQ(namesIn(target), "");
    }
    files.clearAttributes(TestPath(target + "\\missing"));  // nothing there: nothing happens
}

TEST(Win32Folders, TheSpecialFoldersAreThereWithoutAFinalSeparator) {
    for (const platform::SystemPath& path :
         {platform::currentFolder(), platform::homeFolder(), platform::installParentFolder(), platform::desktopFolder(),
          platform::programsFolder()}) {
        const std::string& folder = path.systemBytes();
        ASSERT_GT(folder.size(), 3u) << folder;
        EXPECT_NE(folder.back(), '\\') << folder;
        const DWORD attributes = GetFileAttributesW(platform::widePath(path).c_str());
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) << folder;
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(platform::SystemClock{}.currentYear(), now.wYear);
}

}  // namespace
