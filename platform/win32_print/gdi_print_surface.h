#pragma once

#include <windows.h>

#include <memory>

#include "platform/print_surface.h"

namespace platform::win32_print {

// The print face, which GDI matches by name.
inline constexpr const wchar_t* PrintFace = L"Times New Roman";

// A print surface drawing through GDI on `dc`: a printer's device context, or
// in tests a memory one. The surface owns the context and deletes it.
std::unique_ptr<PrintSurface> surfaceOn(HDC dc);

}  // namespace platform::win32_print
