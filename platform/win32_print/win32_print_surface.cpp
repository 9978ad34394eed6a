#include "platform/win32_print/win32_print_surface.h"

#include <windows.h>
#include <winspool.h>

#include <string>

#include "platform/win32_print/gdi_print_surface.h"

namespace platform::win32_print {

std::unique_ptr<PrintSurface> openDefaultPrinter() {
    // The first call only asks for the name's length, terminating null
    // included; it leaves the length 0 when there is no default printer.
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    if (length == 0) return nullptr;
    std::wstring name(length, L'\0');
    if (!GetDefaultPrinterW(name.data(), &length)) return nullptr;

    const HDC dc = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
    if (dc == nullptr) return nullptr;
    return surfaceOn(dc);
}

}  // namespace platform::win32_print
