#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/transliterator.h"

namespace platform {

// The services of the system itself, which need no display: the commands
// that open no window use them before any desktop is opened, and each
// desktop hands on the same.
struct SystemServices {
    Files& files;
    Transliterator& transliterator;
    const Clock& clock;
};

SystemServices systemServices();

}  // namespace platform
