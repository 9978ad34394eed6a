#pragma once

#include "platform/clock.h"

namespace platform {

// The machine's own local clock.
struct SystemClock final : Clock {
    int currentYear() const override;
};

}  // namespace platform
