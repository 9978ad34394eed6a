#include "platform/special_folders.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/wide_path.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

// A drive's root keeps its separator: "C:" alone names the drive's current folder.
SystemPath withoutFinalSeparator(std::wstring folder) {
    while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
    return pathFromWide(folder);
}

// A folder the shell knows by its CSIDL; "" when it has none here.
SystemPath shellFolder(int csidl) {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder))) return {};
    return withoutFinalSeparator(folder);
}

}  // namespace

SystemPath currentFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) return SystemPath::fromSystem(".");
        if (length < buffer.size()) return withoutFinalSeparator({buffer.data(), length});
        buffer.resize(length);  // the length needed, its terminating zero included
    }
}

SystemPath programFile() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        // A name that filled the buffer may have been cut.
        if (length < buffer.size()) return withoutLongPrefix(pathFromWide({buffer.data(), length}));
        buffer.resize(buffer.size() * 2);
    }
}

SystemPath homeFolder() { return shellFolder(CSIDL_PROFILE); }

// A 32-bit program on 64-bit Windows gets "Program Files (x86)", where 32-bit programs belong.
SystemPath installParentFolder() { return shellFolder(CSIDL_PROGRAM_FILES); }

SystemPath desktopFolder() { return shellFolder(CSIDL_DESKTOPDIRECTORY); }

SystemPath programsFolder() { return shellFolder(CSIDL_PROGRAMS); }

}  // namespace platform
