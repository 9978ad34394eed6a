#pragma once

#include <memory>

#include "platform/print_surface.h"

namespace platform::win32_print {

// A surface on the system's default printer, drawn on through GDI, or none
// when there is no default printer or its device context cannot be made. The
// default printer is looked up once, here.
std::unique_ptr<PrintSurface> openDefaultPrinter();

}  // namespace platform::win32_print
