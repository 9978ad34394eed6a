#include "platform/win32/shell_link.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/win32/win32_errors.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

// COM for this thread while it lives, when this thread did not have it.
struct ComScope {
    HRESULT status = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // RPC_E_CHANGED_MODE: the thread has COM already, in another apartment, which serves as well.
    bool usable() const { return SUCCEEDED(status) || status == RPC_E_CHANGED_MODE; }
    ~ComScope() {
        if (SUCCEEDED(status)) CoUninitialize();
    }
};

// A COM interface pointer released when it goes.
template <class Interface>
struct Released {
    Interface* pointer = nullptr;
    ~Released() {
        if (pointer != nullptr) pointer->Release();
    }
};

}  // namespace

std::string writeShellLink(const SystemPath& linkPath, const SystemPath& target, const SystemPath& workingFolder) {
    ComScope com;
    if (!com.usable()) return systemReason(static_cast<unsigned long>(com.status));
    Released<IShellLinkW> link;
    HRESULT status = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(&link.pointer));
    if (SUCCEEDED(status)) status = link.pointer->SetPath(wideFromPath(target).c_str());
    if (SUCCEEDED(status)) status = link.pointer->SetArguments(L"");
    if (SUCCEEDED(status)) status = link.pointer->SetWorkingDirectory(wideFromPath(workingFolder).c_str());
    if (SUCCEEDED(status)) status = link.pointer->SetShowCmd(SW_SHOWNORMAL);
    if (SUCCEEDED(status)) status = link.pointer->SetDescription(L"");
    Released<IPersistFile> file;
    if (SUCCEEDED(status))
        status = link.pointer->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.pointer));
    if (SUCCEEDED(status)) status = file.pointer->Save(wideFromPath(linkPath).c_str(), TRUE);
    return SUCCEEDED(status) ? "" : systemReason(static_cast<unsigned long>(status));
}

}  // namespace platform
