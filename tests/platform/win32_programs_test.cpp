// The built Windows programs started as the user starts them: quorvels.exe in
// a folder (of Cyrillic letters) whose settings file names the sample
// catalogue, and install.exe; each main window appears with its caption and
// closes when asked to; and quorvels.exe running a command line. The
// programs lie in QUORVELS_PROGRAMS, relative to this test program's folder;
// the sample catalogue lies beside the test.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "tests/platform/running_program.h"
#include "tests/support/temporary_folder.h"

namespace {

std::wstring folderOfThisTest() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring programPath(const wchar_t* name) {
    std::wstring relative = QUORVELS_PROGRAMS;
    for (wchar_t& unit : relative)
        if (unit == L'/') unit = L'\\';
    return folderOfThisTest() + relative + L"\\" + name;
}

TEST(Win32Programs, TheCatalogueProgramStartsOnTheCatalogueOfItsSettingsAndCloses) {
    TemporaryFolder temporary;
    const std::string folder = temporary / "\xD0\x9A\xD0\xB0\xD1\x82\xD0\xB0\xD0\xBB\xD0\xBE\xD0\xB3";  // "Каталог"
    const std::string catalogue = folder + "\\sample.pmr";
    writeFile(catalogue, readFile(platform::pathFromWide(folderOfThisTest() + L"sample.pmr").systemBytes()));
    ASSERT_GT(readFile(catalogue).size(), 100u);
    writeFile(folder + "\\quorvels.ini", catalogue + "\r\n");

    RunningProgram program(programPath(L"quorvels.exe"), platform::wideFromPath(folder));
    HWND window = program.awaitWindow(L"Quorvels - Lectorium");
    ASSERT_NE(window, nullptr) << "the main window never appeared";
    EXPECT_TRUE(anyChildShows(window, L"sample.pmr")) << "the status line names no catalogue";
    EXPECT_EQ(program.closeAndAwaitExit(window), 0u);
}

// A command line in letters outside the system's ANSI code page reaches the
// program whole: the Greek catalogue is read and the Cyrillic file written.
TEST(Win32Programs, TheCatalogueProgramExportsBetweenFilesNamedInAnyLetters) {
    TemporaryFolder folder;
    const std::string catalogue =
        "\xCE\x9A\xCE\xB1\xCF\x84\xCE\xAC\xCE\xBB\xCE\xBF\xCE\xB3\xCE\xBF\xCF\x82.pmr";  // "Κατάλογος"
    const std::string csv = "\xD0\xBA\xD0\xBD\xD0\xB8\xD0\xB3\xD0\xB8.csv";              // "книги"
    writeFile(folder / catalogue, readFile(platform::pathFromWide(folderOfThisTest() + L"sample.pmr").systemBytes()));

    RunningProgram program(programPath(L"quorvels.exe"), platform::wideFromPath(std::string_view(folder.path)),
                           L"--export " + platform::wideFromPath(catalogue) + L" " + platform::wideFromPath(csv));
    EXPECT_EQ(program.awaitExit(), 0u);
    EXPECT_TRUE(readFile(folder / csv)
                    .starts_with("\xEF\xBB\xBF"
                                 "Author,Title,"));
}

// The name of the first resource enumerated, when it has one; stops there.
BOOL CALLBACK firstNamedResource(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    if (!IS_INTRESOURCE(name)) *reinterpret_cast<std::wstring*>(found) = name;
    return FALSE;
}

// The icon its windows name ("PMR") is the program's first, which the shell
// shows for it, at every size asked for. (Wine answers no icon to another
// process's WM_GETICON, so the program file itself is read.)
TEST(Win32Programs, TheCatalogueProgramCarriesItsIcon) {
    HMODULE program = LoadLibraryExW(programPath(L"quorvels.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    std::wstring first;
    EnumResourceNamesW(program, RT_GROUP_ICON, firstNamedResource, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, L"PMR");
    for (int size : {16, 32, 48, 64}) {
        HANDLE icon = LoadImageW(program, L"PMR", IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        ICONINFO info{};
        BITMAP colours{};
        if (icon != nullptr && GetIconInfo(static_cast<HICON>(icon), &info)) {
            GetObjectW(info.hbmColor, sizeof colours, &colours);
            EXPECT_EQ(colours.bmWidth, size);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        DestroyIcon(static_cast<HICON>(icon));
    }
    FreeLibrary(program);
}

TEST(Win32Programs, TheInstallerShowsItsDialogAndCloses) {
    TemporaryFolder folder;
    RunningProgram program(programPath(L"install.exe"), platform::wideFromPath(std::string_view(folder.path)));
    HWND window = program.awaitWindow(L"Install Quorvel");
    ASSERT_NE(window, nullptr) << "the install dialog never appeared";
    EXPECT_EQ(program.closeAndAwaitExit(window), 0u);
}

}  // namespace
