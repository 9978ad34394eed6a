#pragma once

#include "platform/files.h"

namespace platform {

// The file layer of this machine's own system, the one the programs use.
Files& systemFiles();

}  // namespace platform
