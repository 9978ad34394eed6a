#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"

// Whole-file replacement that never leaves a half-written file.
//
// The new contents go into a temporary file beside the target (same folder,
// so the rename cannot cross file systems), which is flushed to the disk and
// checked, then renamed over the target; finally the folder is flushed so the
// rename itself lasts. At every moment the target is the whole old file or the
// whole new one. The replaced file's permission bits (and, where the system
// allows, its owner and group) are kept. A target that is a symbolic link is
// followed: the file it points to is replaced and the link stays a link.
struct AtomicWriteResult {
    enum Outcome {
        Written,             // the new file is in place and flushed
        NotWritten,          // nothing changed on disk; no temporary file is left
        WrittenUnconfirmed,  // the new file is in place, but flushing the folder failed
    };
    Outcome outcome = Written;
    int error = 0;       // the system's error number of the failing call
    std::string reason;  // that failure as a sentence fragment ("No space left on device")
    platform::SystemPath target;  // the file actually replaced (links resolved)
};

AtomicWriteResult writeFileAtomically(platform::Files& files, const platform::SystemPath& path, std::string_view bytes);

// The file a path finally designates: symbolic links are followed one by one
// (relative ones against the link's own folder), also when the last one points
// to a file that does not exist yet. Returns 0 or the system's error number.
int resolveLinks(platform::Files& files, const platform::SystemPath& path, platform::SystemPath& target);

// The folder part of a path ("." when it has none) and the name part.
platform::SystemPath folderOf(const platform::SystemPath& path);
platform::SystemPath nameOf(const platform::SystemPath& path);
