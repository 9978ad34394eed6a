#include "platform/win32_desktop/win32_file_dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32_desktop/owner_window.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

// Room for the longest path the system holds (with the "\\?\" form), and its terminating zero.
constexpr std::size_t PathRoom = 32768;

// The filters as the dialog takes them: description and pattern, each ended
// by a zero, and one more zero after the last pair.
std::wstring filterList(const std::vector<FileFilter>& filters) {
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list += toWide(filter.description);
        list += L'\0';
        list += toWide(filter.pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

// The default extension goes on a name typed without one, as both dialogs
// promise; Wine's open dialog leaves it off a name that does not exist yet.
std::wstring withDefaultExtension(std::wstring name, const std::wstring& extension) {
    if (extension.empty() || GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES) return name;
    const std::size_t nameStart = name.find_last_of(L"\\/") + 1;  // 0 when there is no folder
    if (name.find(L'.', nameStart) == std::wstring::npos) name += L"." + extension;
    return name;
}

using DialogCall = BOOL(WINAPI*)(OPENFILENAMEW*);

// The dialog never prompts of its own accord: an open name need not exist,
// and replacing a file is the program's question. It leaves the process's
// current folder where it was.
std::optional<SaveChoice> ask(const FileDialogRequest& request, DialogCall call) {
    std::vector<wchar_t> name(PathRoom, L'\0');
    const std::wstring initialName = wideFromPath(request.initialName);
    initialName.copy(name.data(), std::min(initialName.size(), PathRoom - 1));
    const std::wstring filters = filterList(request.filters);
    const std::wstring title = toWide(request.title);
    const std::wstring extension = toWide(request.defaultExtension);
    const std::wstring folder = wideFromPath(request.folder);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerWindow();
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!call(&dialog)) return std::nullopt;
    const std::size_t chosenType = dialog.nFilterIndex > 0 ? dialog.nFilterIndex - 1 : 0;  // counted from 1
    return SaveChoice{pathFromWide(withDefaultExtension(name.data(), extension)), chosenType};
}

}  // namespace

std::optional<SystemPath> Win32FileDialogs::askFileToOpen(const FileDialogRequest& request) {
    return chosenPath(ask(request, GetOpenFileNameW));
}

std::optional<SaveChoice> Win32FileDialogs::askFileAndTypeToSave(const FileDialogRequest& request) {
    return ask(request, GetSaveFileNameW);
}

}  // namespace platform::win32
