#include "platform/posix/posix_files.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <random>

namespace platform {

namespace {

constexpr int MaxLinkHops = 40;         // as the system's own limit (ELOOP)
constexpr int MaxTemporaryNames = 100;  // attempts at a free temporary name

// The folder part of a path as the system calls take it ("." when it has
// none, no final "/"), and the name part.
std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

SystemPath directoryOf(const SystemPath& path) { return SystemPath::fromSystem(directoryOf(path.systemBytes())); }

std::string nameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

SystemPath temporaryName(const SystemPath& target) {
    static std::mt19937 random{std::random_device{}()};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof letters) - 2);
    const std::string& bytes = target.systemBytes();
    std::string name = directoryOf(bytes) + "/." + nameOf(bytes) + ".";
    for (int i = 0; i < 8; ++i) name += letters[pick(random)];
    return SystemPath::fromSystem(name + ".tmp");
}

ReplaceResult failed(int error, SystemPath target, std::string reason = {}) {
    ReplaceResult result;
    result.outcome = ReplaceResult::NotReplaced;
    result.error = error;
    result.reason = reason.empty() ? std::strerror(error) : std::move(reason);
    result.target = std::move(target);
    return result;
}

// The file a path finally designates, links followed. Returns 0 or the
// system's error number.
int resolveLinks(PosixFileCalls& calls, const SystemPath& path, SystemPath& target) {
    SystemPath current = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        FileInfo info;
        const int error = calls.status(current, false, info);
        if (error == ENOENT || (error == 0 && !info.isSymlink)) {
            target = current;
            return 0;
        }
        if (error != 0) return error;
        SystemPath link;
        if (const int linkError = calls.readLink(current, link); linkError != 0) return linkError;
        if (link.empty()) return ENOENT;
        const std::string& linkBytes = link.systemBytes();
        current = linkBytes.front() == '/'
                      ? link
                      : SystemPath::fromSystem(directoryOf(current.systemBytes()) + "/" + linkBytes);
    }
    return ELOOP;
}

// Why the existing file at target may not be replaced: a file we could not
// write in place stays as it is. Nothing when it may.
std::optional<ReplaceResult> refusalToReplace(PosixFileCalls& calls, const SystemPath& target,
                                              const FileInfo& existing) {
    if (existing.isDirectory) return failed(EISDIR, target);
    if (!existing.isRegular) return failed(EINVAL, target, "it is not a regular file");
    // No write permission for anyone marks a read-only file, which even
    // the superuser (whom the system's check lets through) must not replace.
    if ((existing.permissions & 0222) == 0)
        return failed(EACCES, target, std::string(std::strerror(EACCES)) + " (the file is read-only)");
    if (const int error = calls.checkWritable(target); error != 0) return failed(error, target);
    return std::nullopt;
}

// Creates a temporary file of a free name beside target, open in `handle`.
// Returns 0 or the system's error number.
int createTemporary(PosixFileCalls& calls, const SystemPath& target, unsigned permissions, SystemPath& temporary,
                    PosixFileCalls::Handle& handle) {
    int error = EEXIST;
    for (int attempt = 0; attempt < MaxTemporaryNames && error == EEXIST; ++attempt) {
        temporary = temporaryName(target);
        error = calls.createNew(temporary, permissions, handle);
    }
    return error;
}

// Gives the open temporary file the owner and permissions of `model` (when
// given) and the bytes, flushes and closes it. Returns 0 or the error of the
// failing step; the file is closed either way.
int fillTemporary(PosixFileCalls& calls, PosixFileCalls::Handle handle, const FileInfo* model, std::string_view bytes) {
    int error = 0;
    if (model != nullptr) {
        // Owner first: changing it may clear set-id bits that setPermissions
        // then puts back. Only the superuser may give a file away, so a
        // refusal here is no reason to abandon the save.
        calls.setOwner(handle, model->owner, model->group);
        error = calls.setPermissions(handle, model->permissions);
    }
    if (error == 0) error = calls.write(handle, bytes);
    if (error == 0) error = calls.sync(handle);
    if (error != 0) {
        calls.close(handle);
        return error;
    }
    return calls.close(handle);
}

// The result of a rename over target that succeeded, once its folder is
// flushed so that the rename lasts.
ReplaceResult renamedOver(PosixFileCalls& calls, const SystemPath& target) {
    ReplaceResult result;
    result.target = target;
    // Some file systems cannot flush a folder and say so with EINVAL; the
    // rename is then as lasting as that file system makes it.
    if (const int e = calls.syncDirectory(directoryOf(target)); e != 0 && e != EINVAL) {
        result.outcome = ReplaceResult::ReplacedUnconfirmed;
        result.error = e;
        result.reason = std::strerror(e);
    }
    return result;
}

}  // namespace

ReplaceResult PosixFiles::replaceWhole(const SystemPath& path, std::string_view bytes,
                                       const FileInfo* permissionsFrom) {
    SystemPath target;
    if (const int error = resolveLinks(calls, path, target); error != 0) return failed(error, path);

    // What is there now decides the new file's permissions, and whether we may
    // replace it at all.
    FileInfo existing;
    const int statusError = calls.status(target, true, existing);
    const bool exists = statusError == 0;
    if (!exists && statusError != ENOENT) return failed(statusError, target);
    if (exists) {
        if (std::optional<ReplaceResult> refusal = refusalToReplace(calls, target, existing)) return *refusal;
    }

    // The file whose permissions and owner the new one takes.
    const FileInfo* model = permissionsFrom != nullptr ? permissionsFrom : exists ? &existing : nullptr;

    SystemPath temporary;
    PosixFileCalls::Handle handle = -1;
    // Until its permissions are set, only we may read the new file.
    if (const int error = createTemporary(calls, target, model != nullptr ? 0600u : 0666u, temporary, handle);
        error != 0)
        return failed(error, target);
    int error = fillTemporary(calls, handle, model, bytes);
    if (error == 0) error = calls.rename(temporary, target);
    if (error != 0) {
        calls.remove(temporary);
        return failed(error, target);
    }
    return renamedOver(calls, target);
}

namespace {

// Holds its open file, and so the file's lock, until it ends.
struct LockedFile final : FileHold {
    LockedFile(PosixFileCalls& calls, PosixFileCalls::Handle handle) : calls(calls), handle(handle) {}
    ~LockedFile() override { calls.close(handle); }
    PosixFileCalls& calls;
    PosixFileCalls::Handle handle;
};

}  // namespace

HoldResult PosixFiles::holdOpen(const SystemPath& path) {
    PosixFileCalls::Handle handle = -1;
    if (calls.openToLock(path, handle) != 0) return {};
    auto locked = std::make_unique<LockedFile>(calls, handle);
    // Every holder keeps a shared lock, so an exclusive one is granted only
    // while no other program holds the file; it is then made shared at once.
    HoldResult result;
    const int alone = calls.lock(handle, true);
    if (alone != 0 && alone != EWOULDBLOCK) return {};  // a file system without locks
    result.heldElsewhere = alone == EWOULDBLOCK;
    if (calls.lock(handle, false) == 0) result.hold = std::move(locked);
    return result;
}

Files& systemFiles() {
    static PosixFiles files(systemFileCalls());
    return files;
}

}  // namespace platform
