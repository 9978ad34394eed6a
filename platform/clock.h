#pragma once

namespace platform {

// The local clock, as far as the catalogue needs it.
struct Clock {
    virtual ~Clock() = default;

    // The year of the local clock's current date, for example 2026.
    virtual int currentYear() const = 0;
};

}  // namespace platform
