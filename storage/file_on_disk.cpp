#include "storage/file_on_disk.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "storage/catalogue_codec.h"

namespace {

// FNV-1a over the bytes: enough to tell a file that was rewritten with other
// contents from one whose bytes are as they were.
std::uint64_t hashOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
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
