#pragma once

#include <memory>

#include "platform/print_surface.h"

namespace platform::qt_print {

// The device resolution the print layout was made for: its columns and
// character heights are device units at 300 per inch, so a page looks the
// same on any printer.
inline constexpr int PrinterDotsPerInch = 300;

// The print face; fontconfig substitutes a face of the same metrics (Liberation
// Serif) where it is not installed.
inline constexpr const char* PrintFace = "Times New Roman";

// A surface on the system's default printer, or none when there is no default
// printer or it cannot be opened. The default printer is looked up once, here.
// Needs a running QGuiApplication.
std::unique_ptr<PrintSurface> openDefaultPrinter();

}  // namespace platform::qt_print
