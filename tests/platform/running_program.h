#pragma once

// A built program started in its own process and watched from the test's, as
// a user sees and answers it: its shown windows found by caption, their
// texts read and their buttons pressed through window messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/window_search.h"

// A shown top-level window of the process with the caption, or none.
inline HWND shownWindow(DWORD process, const std::wstring& caption) {
    for (HWND window : topLevelWindows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        if (owner == process && IsWindowVisible(window) && caption == text) return window;
    }
    return nullptr;
}

// The text of a window of another process (which may be busy: a bound on
// the wait, so a hung program does not hang the test).
inline std::wstring textOf(HWND window) {
    wchar_t text[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

inline bool anyChildShows(HWND window, const std::wstring& part) {
    for (HWND child : childWindowsOf(window))
        if (textOf(child).find(part) != std::wstring::npos) return true;
    return false;
}

// What a message box says: the text of its static controls (its icon has none).
inline std::wstring messageOf(HWND box) {
    std::wstring message;
    for (HWND child : childWindowsOf(box)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (_wcsicmp(className, L"Static") == 0) message += textOf(child);
    }
    return message;
}

// Presses a button of a window of another process, as a click does, without
// waiting for what the click starts (often a modal box of its own).
inline void pressButton(HWND window, int button) {
    HWND control = GetDlgItem(window, button);
    ASSERT_NE(control, nullptr) << "no button " << button;
    PostMessageW(control, BM_CLICK, 0, 0);
}

// A program running in a folder, ended when the test ends whatever happened.
struct RunningProgram {
    PROCESS_INFORMATION process{};

    RunningProgram(const std::wstring& program, const std::wstring& folder, const std::wstring& arguments = {}) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
        EXPECT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &startup, &process))
            << "cannot start the program: " << GetLastError();
    }
    ~RunningProgram() {
        if (process.hProcess == nullptr) return;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Its window with the caption, waiting for it (a generous bound; the
    // wait is on the program ending early).
    HWND awaitWindow(const std::wstring& caption) {
        for (int poll = 0; poll < 2400 && process.hProcess != nullptr; ++poll) {
            if (HWND window = shownWindow(process.dwProcessId, caption)) return window;
            if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
        }
        return nullptr;
    }

    // Waits for the program to end: its exit code, or STILL_ACTIVE when it
    // runs on past a generous bound.
    DWORD awaitExit() {
        if (process.hProcess == nullptr || WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0)
            return STILL_ACTIVE;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    // Asks the window to close, as its close box does, and waits for the program to end.
    DWORD closeAndAwaitExit(HWND window) {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return awaitExit();
    }
};
