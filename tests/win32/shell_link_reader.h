#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/wide_text.h"

// A shell link read back through IShellLinkW: its target and working folder,
// and what kept it from loading ("" when it loaded) or that it does not
// start in a normal window.
struct ShellLink {
    std::string target;
    std::string workingFolder;
    std::string problem;
};

inline ShellLink readShellLink(const std::string& path) {
    ShellLink link;
    const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IShellLinkW* shellLink = nullptr;
    IPersistFile* file = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        link.problem = "no shell link object";
    else if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        link.problem = "no persistent file";
    else if (FAILED(file->Load(platform::wideFromPath(path).c_str(), STGM_READ)))
        link.problem = "it does not load";
    else {
        // The target from the link's item list, which holds its names in
        // UTF-16; the plain path a link also keeps may be in the ANSI code page.
        wchar_t text[MAX_PATH * 4] = {};
        PIDLIST_ABSOLUTE items = nullptr;
        if (SUCCEEDED(shellLink->GetIDList(&items)) && items != nullptr) {
            if (SHGetPathFromIDListEx(items, text, MAX_PATH * 4, GPFIDL_DEFAULT))
                link.target = platform::pathFromWide(text).systemBytes();
            CoTaskMemFree(items);
        }
        text[0] = 0;
        if (SUCCEEDED(shellLink->GetWorkingDirectory(text, MAX_PATH * 4)))
            link.workingFolder = platform::pathFromWide(text).systemBytes();
        int show = 0;
        if (FAILED(shellLink->GetShowCmd(&show)) || show != SW_SHOWNORMAL) link.problem = "not a normal window";
    }
    if (file != nullptr) file->Release();
    if (shellLink != nullptr) shellLink->Release();
    if (comStarted) CoUninitialize();
    return link;
}
