#include "platform/system_services.h"

#include "platform/system_clock.h"
#include "platform/system_files.h"
#include "platform/system_transliterator.h"

namespace platform {

SystemServices systemServices() {
    static const SystemClock clock;
    return {systemFiles(), systemTransliterator(), clock};
}

}  // namespace platform
