// Any text: the proper-case conversion of authors and titles is idempotent
// (insertion depends on it) and never leaves blanks at either end; letters
// fold alike in capitals, in proper case and back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/letter_case.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string once(reinterpret_cast<const char*>(data), size);
    convertLetterCase(once, false);
    std::string twice = once;
    convertLetterCase(twice, false);
    if (twice != once) std::abort();
    if (!once.empty() && (once.front() == ' ' || once.back() == ' ')) std::abort();
    std::string capitals = once;
    convertLetterCase(capitals, true);
    if (foldedText(capitals) != foldedText(once)) std::abort();
    convertLetterCase(capitals, false);
    if (foldedText(capitals) != foldedText(once)) std::abort();
    return 0;
}
