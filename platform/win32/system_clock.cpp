#include "platform/system_clock.h"

#include <windows.h>

namespace platform {

int SystemClock::currentYear() const {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wYear;
}

}  // namespace platform
