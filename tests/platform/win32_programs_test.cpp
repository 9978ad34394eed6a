// The built Windows programs started as the user starts them: quorvels.exe in
// a folder (of Cyrillic letters) whose settings file names the sample
// catalogue, and install.exe; each main window appears with its caption and
// closes when asked to. The programs lie in QUORVELS_PROGRAMS, relative to
// this test program's folder; the sample catalogue lies beside the test.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
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

struct Found {
    DWORD process;
    std::wstring caption;
    HWND window = nullptr;
};

BOOL CALLBACK withCaption(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Found*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (owner != search.process || !IsWindowVisible(window) || search.caption != text) return TRUE;
    search.window = window;
    return FALSE;
}

// A shown top-level window of the process with the caption, or none.
HWND shownWindow(DWORD process, const std::wstring& caption) {
    Found search{process, caption};
    EnumWindows(withCaption, reinterpret_cast<LPARAM>(&search));
    return search.window;
}

struct Shows {
    const std::wstring& part;
    bool found = false;
};

BOOL CALLBACK showingPart(HWND child, LPARAM data) {
    auto& search = *reinterpret_cast<Shows*>(data);
    wchar_t text[256] = {};
    SendMessageTimeoutW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    search.found = std::wstring(text).find(search.part) != std::wstring::npos;
    return !search.found;
}

bool anyChildShows(HWND window, const std::wstring& part) {
    Shows search{part};
    EnumChildWindows(window, showingPart, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK firstNamed(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
    if (!IS_INTRESOURCE(name)) *reinterpret_cast<std::wstring*>(first) = name;
    return FALSE;
}

// A program running in a folder, ended when the test ends whatever happened.
struct RunningProgram {
    PROCESS_INFORMATION process{};

    RunningProgram(const std::wstring& program, const std::wstring& folder) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program + L"\"";
        EXPECT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                   &startup, &process))
            << "cannot start the program: " << GetLastError();
    }
    ~RunningProgram() {
        if (process.hProcess == nullptr) return;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    // Its window with the caption, waiting for it (a generous bound; the
    // wait is on the program ending early).
    HWND awaitWindow(const std::wstring& caption) {
        for (int poll = 0; poll < 2400 && process.hProcess != nullptr; ++poll) {
            if (HWND window = shownWindow(process.dwProcessId, caption)) return window;
            if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
        }
        return nullptr;
    }

    // Asks the window to close, as its close box does, and waits for the program to end.
    DWORD closeAndAwaitExit(HWND window) {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }
};

TEST(Win32Programs, TheCatalogueProgramStartsOnTheCatalogueOfItsSettingsAndCloses) {
    TemporaryFolder temporary;
    const std::string folder = temporary / "\xD0\x9A\xD0\xB0\xD1\x82\xD0\xB0\xD0\xBB\xD0\xBE\xD0\xB3";  // "Каталог"
    const std::string catalogue = folder + "\\sample.pmr";
    writeFile(catalogue, readFile(platform::pathFromWide(folderOfThisTest() + L"sample.pmr")));
    ASSERT_GT(readFile(catalogue).size(), 100u);
    writeFile(folder + "\\quorvels.ini", catalogue + "\r\n");

    RunningProgram program(programPath(L"quorvels.exe"), platform::wideFromPath(folder));
    HWND window = program.awaitWindow(L"Quorvels - Lectorium");
    ASSERT_NE(window, nullptr) << "the main window never appeared";
    EXPECT_TRUE(anyChildShows(window, L"sample.pmr")) << "the status line names no catalogue";
    EXPECT_EQ(program.closeAndAwaitExit(window), 0u);
}

// The icon its windows name ("PMR") is the program's first, which the shell
// shows for it, at every size asked for. (Wine answers no icon to another
// process's WM_GETICON, so the program file itself is read.)
TEST(Win32Programs, TheCatalogueProgramCarriesItsIcon) {
    HMODULE program = LoadLibraryExW(programPath(L"quorvels.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    std::wstring first;
    EnumResourceNamesW(program, RT_GROUP_ICON, firstNamed, reinterpret_cast<LONG_PTR>(&first));
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
    RunningProgram program(programPath(L"install.exe"), platform::wideFromPath(folder.path));
    HWND window = program.awaitWindow(L"Install Quorvel");
    ASSERT_NE(window, nullptr) << "the install dialog never appeared";
    EXPECT_EQ(program.closeAndAwaitExit(window), 0u);
}

}  // namespace
