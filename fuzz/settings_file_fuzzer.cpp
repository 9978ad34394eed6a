// Any settings file: reading it never crashes and gives a prefix of its
// first line, without the line end.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/system/posix_files.h"
#include "storage/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/quorvels-fuzz-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(settingsPath(folder), std::ios::binary | std::ios::trunc) << bytes;
    const std::string name = readSettings(folder, platform::systemFiles());
    if (name.find('\n') != std::string::npos) std::abort();
    if (bytes.compare(0, name.size(), name) != 0) std::abort();
    return 0;
}
