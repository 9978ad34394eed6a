// The release archive as a user gets it, installed, used and uninstalled by
// the real programs: install.exe started in the unpacked archive's folder
// (QUORVELS_RELEASE_FOLDER, relative to this test program's folder) with its
// dialog answered from this process, the installed program started as its
// shortcut says, and unInstall.exe started in the install folder, answered
// No and then Yes. The user's desktop and program-menu folders are the
// test's own while it runs, and no program outlives a failed step.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "install/install_dialog.h"
#include "platform/special_folders.h"
#include "platform/win32/wide_text.h"
#include "tests/platform/running_program.h"
#include "tests/win32/shell_link_reader.h"
#include "tests/win32/win32_test_support.h"

namespace {

using namespace win32_test;
using platform::pathFromWide;
using platform::wideFromPath;

const std::string InstalledFiles = "quorvels.cnt quorvels.exe quorvels.hlp unInstall.exe";
const wchar_t* const EntryKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvels";

TestPath releaseFolder() {
    std::wstring relative = QUORVELS_RELEASE_FOLDER;
    for (wchar_t& unit : relative)
        if (unit == L'/') unit = L'\\';
    const std::wstring program = thisProgram();
    return pathFromWide(program.substr(0, program.find_last_of(L'\\') + 1) + relative).systemBytes();
}

std::optional<std::string> entryValue(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, EntryKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return pathFromWide(value).systemBytes();
}

bool entryExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, EntryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// No uninstall entry of the product before the test (a failed earlier run may
// have left one) nor after it.
struct NoEntryAround {
    NoEntryAround() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, EntryKey); }
    ~NoEntryAround() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, EntryKey); }
};

// The user's desktop and program-menu folders moved to folders of the test,
// where the shell looks them up (the user's "User Shell Folders"), so that
// the programs' shortcuts go there and nowhere else; moved back at the end.
struct ShellFoldersMoved {
    static constexpr const wchar_t* Key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved;

    ShellFoldersMoved(const TestPath& desktop, const TestPath& programs) {
        move(L"Desktop", desktop);
        move(L"Programs", programs);
    }
    ~ShellFoldersMoved() {
        for (const auto& [name, value] : saved)
            if (value)
                set(name, *value);
            else
                RegDeleteKeyValueW(HKEY_CURRENT_USER, Key, name.c_str());
    }
    ShellFoldersMoved(const ShellFoldersMoved&) = delete;
    ShellFoldersMoved& operator=(const ShellFoldersMoved&) = delete;

    void move(const std::wstring& name, const TestPath& folder) {
        wchar_t value[MAX_PATH * 4] = {};
        DWORD size = sizeof value;
        const bool had =
            RegGetValueW(HKEY_CURRENT_USER, Key, name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                         nullptr, value, &size) == ERROR_SUCCESS;
        saved.emplace_back(name, had ? std::optional<std::wstring>(value) : std::nullopt);
        SHCreateDirectoryExW(nullptr, wideFromPath(std::string_view(folder)).c_str(), nullptr);
        set(name, wideFromPath(std::string_view(folder)));
    }
    static void set(const std::wstring& name, const std::wstring& folder) {
        RegSetKeyValueW(HKEY_CURRENT_USER, Key, name.c_str(), REG_EXPAND_SZ, folder.c_str(),
                        static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    }
};

// The shown message box of the program with the caption: what it says, after
// which its button is pressed. "" when none appeared.
std::wstring answerMessageBox(RunningProgram& program, const std::wstring& caption, int button) {
    HWND box = program.awaitWindow(caption);
    if (box == nullptr) return L"";
    const std::wstring message = messageOf(box);
    pressButton(box, button);
    return message;
}

TEST(Win32InstallRoundTrip, TheReleaseArchiveInstallsStartsAndUninstalls) {
    TempFolder root;
    const TestPath desktop = root / "Desktop";
    const TestPath programs = root / "Start Menu\\Programs";
    ShellFoldersMoved moved(desktop, programs);
    ASSERT_EQ(platform::desktopFolder(), desktop);
    ASSERT_EQ(platform::programsFolder(), programs);
    NoEntryAround noEntry;

    const TestPath release = releaseFolder();
    ASSERT_EQ(namesIn(release), "install.exe " + InstalledFiles) << release;
    const TestPath installFolder = root /
                                   "B\xC3\xBC"
                                   "cher\\Folimarch";  // "Bücher"

    // The install dialog, its folder typed over, both shortcuts left chosen.
    {
        RunningProgram installer(wideFromPath(release + "\\install.exe"), wideFromPath(std::string_view(release)));
        HWND dialog = installer.awaitWindow(L"Install Quorvel");
        ASSERT_NE(dialog, nullptr) << "the install dialog never appeared";
        EXPECT_EQ(pathFromWide(textOf(GetDlgItem(dialog, FolderBoxId))),
                  TestPath(platform::installParentFolder().systemBytes() + "\\Folimarch\\"));
        const std::wstring typed = wideFromPath(std::string_view(installFolder));
        SendMessageTimeoutW(GetDlgItem(dialog, FolderBoxId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()),
                            SMTO_ABORTIFHUNG, 5000, nullptr);
        pressButton(dialog, InstallButtonId);
        EXPECT_EQ(answerMessageBox(installer, L"", IDOK), L"Quorvels successfully installed");
        EXPECT_EQ(installer.awaitExit(), 0u);
    }
    EXPECT_EQ(namesIn(installFolder), InstalledFiles);
    for (const char* name : {"quorvels.exe", "quorvels.hlp", "quorvels.cnt", "unInstall.exe"})
        EXPECT_EQ(contentsOf(installFolder + "\\" + name), contentsOf(release + "\\" + name)) << name;
    EXPECT_EQ(entryValue(L"UninstallString"), installFolder + "\\unInstall.exe");
    EXPECT_EQ(entryValue(L"DisplayName"), "Folimarch");
    for (const TestPath& folder : {desktop, programs}) {
        EXPECT_EQ(namesIn(folder), "Folimarch.lnk") << folder;
        const ShellLink link = readShellLink(folder + "\\Folimarch.lnk");
        EXPECT_EQ(link.problem, "") << folder;
        EXPECT_EQ(link.target, installFolder + "\\quorvels.exe") << folder;
        EXPECT_EQ(link.workingFolder, installFolder + "\\") << folder;
    }

    // The program, started as its program-menu shortcut says, opens its main window.
    {
        const ShellLink menu = readShellLink(programs + "\\Folimarch.lnk");
        RunningProgram program(wideFromPath(menu.target), wideFromPath(menu.workingFolder));
        HWND window = program.awaitWindow(L"Quorvels - Lectorium");
        ASSERT_NE(window, nullptr) << "the installed program's main window never appeared";
        EXPECT_EQ(program.closeAndAwaitExit(window), 0u);
    }

    // The uninstaller, started in the install folder: No leaves everything;
    // Yes removes all but itself and tells where the rest of the folder is.
    {
        RunningProgram uninstaller(wideFromPath(installFolder + "\\unInstall.exe"),
                                   wideFromPath(std::string_view(installFolder)));
        EXPECT_EQ(answerMessageBox(uninstaller, L"Quillery", IDNO), L"Uninstall Quillery now?");
        EXPECT_EQ(uninstaller.awaitExit(), 0u);
    }
    EXPECT_EQ(namesIn(installFolder), InstalledFiles);
    EXPECT_TRUE(entryExists());
    EXPECT_EQ(namesIn(desktop) + " " + namesIn(programs), "Folimarch.lnk Folimarch.lnk");
    {
        RunningProgram uninstaller(wideFromPath(installFolder + "\\unInstall.exe"),
                                   wideFromPath(std::string_view(installFolder)));
        EXPECT_EQ(answerMessageBox(uninstaller, L"Quillery", IDYES), L"Uninstall Quillery now?");
        EXPECT_EQ(answerMessageBox(uninstaller, L"Uninstall Quorvels", IDOK),
                  L"Quillery has been successfully uninstalled...\r\n\r\n"
                  L"You can now delete the rest of the folder manually:\r\n" +
                      wideFromPath(installFolder + "\\"));
        EXPECT_EQ(uninstaller.awaitExit(), 0u);
    }
    EXPECT_EQ(namesIn(installFolder), "unInstall.exe");
    EXPECT_FALSE(entryExists());
    EXPECT_EQ(namesIn(desktop), "");
    EXPECT_EQ(namesIn(programs), "");
}

}  // namespace
