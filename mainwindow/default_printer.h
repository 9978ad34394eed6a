#pragma once

#include <functional>
#include <memory>

#include "platform/print_surface.h"

// The system's default printer, looked up the first time printing wants it:
// the lookup loads the system's print support, which start-up has no use for.
struct DefaultPrinter {
    std::function<std::unique_ptr<platform::PrintSurface>()> open;  // returns none without a printer
    std::unique_ptr<platform::PrintSurface> surface;                // once looked up; none without a printer
    bool lookedUp = false;
};

// The printer, looked up on the first call only; none without one.
platform::PrintSurface* defaultPrinter(DefaultPrinter& printer);
