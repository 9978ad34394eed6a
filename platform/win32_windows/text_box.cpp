#include "platform/win32_windows/text_box.h"

#include <commctrl.h>

#include <climits>
#include <utility>

#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

// Characters (code points) of text[from, to); an unpaired surrogate counts as one.
int characterCount(const std::wstring& text, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from; i < to; ++i)
        count += !(IS_LOW_SURROGATE(text[i]) && i > 0 && IS_HIGH_SURROGATE(text[i - 1]));
    return count;
}

std::wstring clipboardText(HWND box) {
    std::wstring pasted;
    if (!OpenClipboard(box)) return pasted;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            pasted = text;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return pasted;
}

// The box's selection, in UTF-16 units.
std::pair<std::size_t, std::size_t> selection(HWND box) {
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// Characters the box may still take in place of its selection.
int room(HWND box, int maxCharacters) {
    if (maxCharacters <= 0) return INT_MAX;
    const std::wstring text = windowText(box);
    const auto [start, end] = selection(box);
    return maxCharacters - characterCount(text, 0, text.size()) + characterCount(text, start, end);
}

// The first half of a surrogate pair typed, kept until its second half
// comes so that the pair goes in as one character, in one change.
struct PendingHalf {
    HWND box = nullptr;
    wchar_t unit = 0;
};
thread_local PendingHalf pending;

LRESULT CALLBACK limitedBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR maxCharacters) {
    const int most = static_cast<int>(maxCharacters);
    if (message == WM_CHAR && wParam >= 0x20) {  // control characters are keys the box acts on
        const auto unit = static_cast<wchar_t>(wParam);
        const PendingHalf first = std::exchange(pending, {});
        if (IS_HIGH_SURROGATE(unit)) {
            if (room(box, most) >= 1) pending = {box, unit};
            return 0;
        }
        if (IS_LOW_SURROGATE(unit)) {
            if (first.box == box) {
                const wchar_t pair[] = {first.unit, unit, L'\0'};
                SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pair));
            }
            return 0;
        }
        if (room(box, most) < 1) return 0;
    }
    if (message == WM_PASTE) {
        const std::wstring pasted = clipboardText(box);
        const int left = room(box, most);
        if (characterCount(pasted, 0, pasted.size()) > left) {
            if (left > 0) {
                const std::wstring cut = firstCharacters(pasted, left);
                SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(cut.c_str()));
            }
            return 0;
        }
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void limitTextBoxCharacters(HWND box, int maxCharacters) {
    if (maxCharacters > 0) SendMessageW(box, EM_LIMITTEXT, 2 * maxCharacters, 0);
    SetWindowSubclass(box, limitedBoxProcedure, 1, static_cast<DWORD_PTR>(maxCharacters));
}

std::wstring firstCharacters(std::wstring text, int maxCharacters) {
    if (maxCharacters <= 0) return text;
    std::size_t end = 0;
    for (int kept = 0; kept < maxCharacters && end < text.size(); ++kept)
        end += IS_HIGH_SURROGATE(text[end]) && end + 1 < text.size() && IS_LOW_SURROGATE(text[end + 1]) ? 2 : 1;
    text.resize(end);
    return text;
}

}  // namespace platform::win32
