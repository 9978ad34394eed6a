#include "storage/file_on_disk.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "storage/catalogue_codec.h"

namespace {

// Enough to tell a file that was rewritten with other contents from one whose
// bytes are as they were; kept in memory only. Eight bytes at a time in four
// independent lanes, so that the multiplications overlap and hashing costs
// about what reading the bytes does; the length, the tail and a final
// scramble make every byte count.
std::uint64_t hashOf(std::string_view bytes) {
    constexpr std::uint64_t Prime1 = 0x9E3779B185EBCA87ull, Prime2 = 0xC2B2AE3D27D4EB4Full;
    const auto wordAt = [&](std::size_t at) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        return word;
    };
    const auto mix = [](std::uint64_t hash, std::uint64_t word) {
        return std::rotl(hash + word * Prime2, 31) * Prime1;
    };
    std::uint64_t lanes[4] = {Prime1, Prime2, ~Prime1, ~Prime2};
    std::size_t at = 0;
    for (; at + sizeof lanes <= bytes.size(); at += sizeof lanes)
        for (std::size_t lane = 0; lane < 4; ++lane) lanes[lane] = mix(lanes[lane], wordAt(at + 8 * lane));
    std::uint64_t hash = bytes.size();
    for (const std::uint64_t lane : lanes) hash = mix(hash, lane);
    for (; at + 8 <= bytes.size(); at += 8) hash = mix(hash, wordAt(at));
    for (; at < bytes.size(); ++at) hash = mix(hash, static_cast<unsigned char>(bytes[at]));
    hash ^= hash >> 33;
    hash *= Prime2;
    return hash ^ hash >> 29;
}

bool sameDescription(const FileStamp& stamp, const platform::FileInfo& info) {
    return stamp.size == info.size && stamp.volume == info.volume && stamp.fileIndex == info.fileIndex &&
           stamp.modified == info.modified;
}

}  // namespace

FileOnDisk lookAt(platform::Files& files, const platform::SystemPath& path) {
    FileOnDisk now;
    const int statusError = files.status(path, true, now.info);
    now.described = statusError == 0;
    // One byte more than a catalogue may hold tells a file too large to keep whole.
    const int readError = files.readFile(path, MaxCatalogueFileBytes + 1, now.bytes);
    if (readError == ENOENT) {
        now.missing = true;
    } else if (readError != 0) {
        now.unreadReason = readError == EINVAL ? "it is not a regular file" : std::strerror(readError);
    } else if (now.bytes.size() > MaxCatalogueFileBytes) {
        now.unreadReason = "it is larger than a catalogue file can be";
    }
    if (!now.unreadReason.empty()) now.bytes.clear();
    return now;
}

FileStamp stampOf(const platform::SystemPath& path, bool described, const platform::FileInfo& info,
                  std::string_view bytes) {
    FileStamp stamp;
    stamp.path = path;
    stamp.described = described;
    if (described) {
        stamp.size = info.size;
        stamp.volume = info.volume;
        stamp.fileIndex = info.fileIndex;
        stamp.modified = info.modified;
    }
    stamp.hash = hashOf(bytes);
    return stamp;
}

bool changedSince(const FileStamp& stamp, const FileOnDisk& now) {
    if (now.missing || !now.unreadReason.empty()) return false;
    if (stamp.described && now.described && sameDescription(stamp, now.info)) return false;
    return hashOf(now.bytes) != stamp.hash;
}

platform::SystemPath backupNameOf(const platform::SystemPath& path) { return platform::withSuffix(path, ".bak"); }
