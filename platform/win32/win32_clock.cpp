#include <windows.h>

#include "platform/system/system_clock.h"

namespace platform {

int SystemClock::currentYear() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return local.wYear;
}

}  // namespace platform
