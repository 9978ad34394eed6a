#include "platform/system_clock.h"

#include <ctime>

namespace platform {

int SystemClock::currentYear() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

}  // namespace platform
