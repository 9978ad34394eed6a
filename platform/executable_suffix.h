#pragma once

namespace platform {

// What the system appends to the name of a program file.
#ifdef _WIN32
inline constexpr const char* ExecutableSuffix = ".exe";
#else
inline constexpr const char* ExecutableSuffix = "";
#endif

}  // namespace platform
