// Any settings file: reading it never crashes and gives a prefix of its
// first line, without the line end.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/testing/memory_files.h"
#include "storage/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    platform::scripted::MemoryFiles files;
    const platform::SystemPath start = platform::SystemPath::fromSystem("/start");
    files.files[settingsPath(start)] = bytes;
    const std::string name = readSettings(start, files).systemBytes();
    if (name.find('\n') != std::string::npos) std::abort();
    if (bytes.compare(0, name.size(), name) != 0) std::abort();
    return 0;
}
