#pragma once

#include "platform/clock.h"

namespace platform::scripted {

// A clock stopped in the year a test chooses.
struct FixedClock final : Clock {
    explicit FixedClock(int year) : year(year) {}
    int currentYear() const override { return year; }
    int year;
};

}  // namespace platform::scripted
