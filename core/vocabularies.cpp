#include "core/vocabularies.h"

std::string categoryName(std::uint8_t code) { return code < categoryNames.size() ? categoryNames[code] : ""; }

std::string reviewName(std::uint8_t code) { return code < reviewNames.size() ? reviewNames[code] : ""; }
