#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/system_path.h"

namespace platform {

// What a path names, as far as saving and loading need to know.
struct FileInfo {
    bool isRegular = false;
    bool isDirectory = false;
    bool isSymlink = false;    // only when asked not to follow links
    unsigned permissions = 0;  // the permission bits (mode & 07777)
    std::uint32_t owner = 0;   // user and group ids
    std::uint32_t group = 0;
    std::uint64_t size = 0;
    // Which file it is and when it was last written, so that a later look can
    // tell whether another program has replaced or changed it: the device and
    // inode on POSIX, the volume serial number and file index on Windows
    // (only when links are followed there), and the modification time in the
    // system's own units.
    std::uint64_t volume = 0;
    std::uint64_t fileIndex = 0;
    std::int64_t modified = 0;
};

// How a replacement of a whole file ended.
struct ReplaceResult {
    enum Outcome {
        Replaced,             // the new contents are in place and flushed
        NotReplaced,          // nothing changed on disk; no temporary file is left
        ReplacedUnconfirmed,  // the new contents are in place, but the system could not confirm they last
    };
    Outcome outcome = Replaced;
    int error = 0;       // the system's error number of the failing step
    std::string reason;  // that failure as the system words it ("No space left on device")
    SystemPath target;   // the file actually replaced (links resolved)
};

// A sign to other running programs that this one has a file open, kept for as
// long as the object lives. The system drops it when the program ends,
// however it ends, so that one left by a crashed program never counts.
struct FileHold {
    virtual ~FileHold() = default;
};

struct HoldResult {
    std::unique_ptr<FileHold> hold;  // none when the system gave none
    bool heldElsewhere = false;      // another running program holds the file too
};

// The file operations the catalogue and settings files need. Paths are the
// system's own names (SystemPath) and reach the system unchanged. readFile
// and status return 0 on success or the system's error number (errno).
struct Files {
    virtual ~Files() = default;

    // Reads at most maxBytes from the start of the regular file at path into
    // contents. Never creates or changes a file; a path that is not a regular
    // file (a directory, a pipe, a device) fails without blocking.
    virtual int readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) = 0;

    // What path names. followLinks false describes a symbolic link itself.
    virtual int status(const SystemPath& path, bool followLinks, FileInfo& info) = 0;

    // Replaces the contents of the file at path with bytes, creating it when
    // it does not exist, so that at every moment (a crash included) the file
    // is the whole old one or the whole new one. The replaced file keeps its
    // permissions (and, where the system allows, its owner); a path that is a
    // symbolic link is followed, and the link stays a link. A file without
    // write permission for anyone, or that this process may not write, is not
    // replaced.
    //
    // With permissionsFrom, the new file gets those permission bits and that
    // owner instead of the replaced file's, so that a copy made of another
    // file (a backup) is no more open to others than that file. Windows has
    // no such bits to give: there it is ignored.
    virtual ReplaceResult replaceWhole(const SystemPath& path, std::string_view bytes,
                                       const FileInfo* permissionsFrom = nullptr) = 0;

    // Holds the regular file at path for this program (see FileHold) and
    // says whether another program holds it already: an advisory lock on the
    // file on POSIX, which a replacement of the file does not carry over (hold
    // the new file again); a hidden lock file "NAME.lock" beside it on
    // Windows, deleted when its last holder closes it. A hold is only a
    // notice: where the system gives none (a read-only folder, a file system
    // without locks) the result is simply empty.
    virtual HoldResult holdOpen(const SystemPath& path) = 0;
};

}  // namespace platform
