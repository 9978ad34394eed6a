#pragma once

#include "platform/transliterator.h"

namespace platform {

// The transliteration of this machine's own system: glibc's iconv with
// //TRANSLIT on Linux, WideCharToMultiByte's best-fit conversion on Windows.
// For one thread at a time.
Transliterator& systemTransliterator();

}  // namespace platform
