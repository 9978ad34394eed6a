#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/platform/window_search.h"

// Acts as the user on the thread's dialogs from a thread timer, which every
// modal loop of the thread runs (the program's windows, message boxes, the
// common dialogs): each step waits until its dialog is shown, then acts on
// it, one after the other. A step that waits longer than a generous bound of
// ticks fails the test and ends every dialog of the thread, so the test ends.
class UserScript {
  public:
    UserScript() : timer(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, tick)) { current() = this; }
    ~UserScript() {
        KillTimer(nullptr, timer);
        current() = nullptr;
        EXPECT_TRUE(steps.empty()) << steps.size() << " steps of the script never ran";
    }
    UserScript(const UserScript&) = delete;
    UserScript& operator=(const UserScript&) = delete;

    // Acts on the shown dialog of this thread whose caption is `caption`.
    void whenShown(std::wstring caption, std::function<void(HWND)> act) {
        steps.push_back({[caption] { return shownDialog(caption); }, std::move(act)});
    }
    // Acts once `condition` holds (on no dialog in particular).
    void when(std::function<bool()> condition, std::function<void()> act) {
        steps.push_back({[condition] { return condition() ? GetDesktopWindow() : nullptr; }, [act](HWND) { act(); }});
    }

    // A visible dialog ("#32770") of this thread with the caption, or none.
    static HWND shownDialog(const std::wstring& caption) {
        for (HWND window : shownDialogs()) {
            wchar_t text[512] = {};
            GetWindowTextW(window, text, 512);
            if (caption == text) return window;
        }
        return nullptr;
    }

    // Presses a button of a dialog as a click does.
    static void press(HWND dialog, int button) {
        HWND control = GetDlgItem(dialog, button);
        ASSERT_NE(control, nullptr) << "no button " << button;
        SendMessageW(control, BM_CLICK, 0, 0);
    }

  private:
    // The visible dialogs ("#32770") of this thread.
    static std::vector<HWND> shownDialogs() {
        std::vector<HWND> dialogs;
        for (HWND window : windowsOfThread(GetCurrentThreadId())) {
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) dialogs.push_back(window);
        }
        return dialogs;
    }

    struct Step {
        std::function<HWND()> ready;
        std::function<void(HWND)> act;
    };
    static constexpr int MostTicksWaiting = 6000;

    static UserScript*& current() {
        static UserScript* script = nullptr;
        return script;
    }

    // A step leaves the script before it acts: acting may run a modal loop,
    // whose ticks go on to the next step.
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        UserScript* script = current();
        if (script == nullptr) return;
        // Once the steps are done, every dialog they left is one nobody
        // answers (a question the test did not expect): it counts as waiting.
        if (script->steps.empty()) {
            if (shownDialogs().empty() || ++script->waited < MostTicksWaiting) return;
            ADD_FAILURE() << "a dialog is still shown after the script ended";
            endEveryDialog();
            return;
        }
        if (HWND dialog = script->steps.front().ready()) {
            const std::function<void(HWND)> act = std::move(script->steps.front().act);
            script->steps.pop_front();
            script->waited = 0;
            act(dialog);
            return;
        }
        if (++script->waited < MostTicksWaiting) return;
        ADD_FAILURE() << "a step of the script waited in vain";
        script->steps.clear();
        endEveryDialog();
    }

    static void endEveryDialog() {
        for (HWND dialog : shownDialogs()) EndDialog(dialog, IDCANCEL);
    }

    UINT_PTR timer;
    std::deque<Step> steps;
    int waited = 0;
};
