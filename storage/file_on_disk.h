#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

// What a catalogue's file on disk was when the catalogue last loaded it or
// was saved to it, so that a save can tell whether another program has
// changed the file since.
struct FileStamp {
    platform::SystemPath path;  // the file it describes; empty = none yet
    bool described = false;     // the system described the file: the next four are known
    std::uint64_t size = 0;
    std::uint64_t volume = 0;
    std::uint64_t fileIndex = 0;
    std::int64_t modified = 0;
    std::uint64_t hash = 0;  // of its bytes
};

// What a catalogue's file on disk is now, as a save finds it before writing:
// whether it is there, what the system says of it and its bytes (the backup
// is made of them).
struct FileOnDisk {
    bool missing = false;    // there is no file by that name: it is simply written anew
    bool described = false;  // `info` holds what the system said of it
    platform::FileInfo info;
    std::string bytes;
    std::string unreadReason;  // why the bytes could not be read; "" when they were
};

// Looks at the file at path: first what the system says of it, then its bytes,
// so that a change in between shows in the description a later look compares.
FileOnDisk lookAt(platform::Files& files, const platform::SystemPath& path);

// The stamp of the file at path holding bytes, described by info when
// `described`.
FileStamp stampOf(const platform::SystemPath& path, bool described, const platform::FileInfo& info,
                  std::string_view bytes);

// Whether the file now at `stamp.path` is not the one stamped: another
// program has changed it since. Equal descriptions mean the same file; when
// they differ, the bytes decide, so that a file touched but not changed does
// not count. A missing or unreadable file is no change (it is written anew,
// or the save says why it cannot keep it).
bool changedSince(const FileStamp& stamp, const FileOnDisk& now);

// The name of the backup kept beside a catalogue file: "NAME.pmr.bak".
platform::SystemPath backupNameOf(const platform::SystemPath& path);
