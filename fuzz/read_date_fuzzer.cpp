// Any typed date: parsing never fails, and a date it accepts packs and
// formats back to the same day.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/read_date.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (parseReadDate(text, 2026)) return 0;
    const std::uint16_t packed = packReadDate(text);
    std::string again = formatReadDate(packed);
    if (packed == 0 || parseReadDate(again, 2026) || packReadDate(again) != packed) std::abort();
    return 0;
}
