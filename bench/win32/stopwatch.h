#pragma once

#include <windows.h>

// Milliseconds of the performance counter, for differences between two readings.
inline double nowMilliseconds() {
    static const double ticksPerMillisecond = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMillisecond;
}
