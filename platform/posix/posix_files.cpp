#include "platform/posix/posix_files.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <random>

namespace platform {

namespace {

constexpr int MaxLinkHops = 40;        // as the system's own limit (ELOOP)
constexpr int MaxTemporaryNames = 100;  // attempts at a free temporary name

// The folder part of a path as the system calls take it ("." when it has
// none, no final "/"), and the name part.
SystemPath directoryOf(const SystemPath& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

SystemPath nameOf(const SystemPath& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

SystemPath temporaryName(const SystemPath& target) {
    static std::mt19937 random{std::random_device{}()};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof letters) - 2);
    SystemPath name = directoryOf(target) + "/." + nameOf(target) + ".";
    for (int i = 0; i < 8; ++i) name += letters[pick(random)];
    return name + ".tmp";
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
        current = link.front() == '/' ? link : directoryOf(current) + "/" + link;
    }
    return ELOOP;
}

}  // namespace

ReplaceResult PosixFiles::replaceWhole(const SystemPath& path, std::string_view bytes,
                                       const FileInfo* permissionsFrom) {
    SystemPath target;
    if (const int error = resolveLinks(calls, path, target); error != 0) return failed(error, path);

    // What is there now decides the new file's permissions, and whether we may
    // replace it at all: a file we could not write in place stays as it is.
    FileInfo existing;
    const int statusError = calls.status(target, true, existing);
    const bool exists = statusError == 0;
    if (!exists && statusError != ENOENT) return failed(statusError, target);
    if (exists) {
        if (existing.isDirectory) return failed(EISDIR, target);
        if (!existing.isRegular) return failed(EINVAL, target, "it is not a regular file");
        // No write permission for anyone marks a read-only file, which even
        // the superuser (whom the system's check lets through) must not replace.
        if ((existing.permissions & 0222) == 0)
            return failed(EACCES, target, std::string(std::strerror(EACCES)) + " (the file is read-only)");
        if (const int error = calls.checkWritable(target); error != 0) return failed(error, target);
    }

    // The file whose permissions and owner the new one takes.
    const FileInfo* model = permissionsFrom != nullptr ? permissionsFrom : exists ? &existing : nullptr;

    SystemPath temporary;
    PosixFileCalls::Handle handle = -1;
    int error = EEXIST;
    for (int attempt = 0; attempt < MaxTemporaryNames && error == EEXIST; ++attempt) {
        temporary = temporaryName(target);
        // Until its permissions are set, only we may read the new file.
        error = calls.createNew(temporary, model != nullptr ? 0600u : 0666u, handle);
    }
    if (error != 0) return failed(error, target);

    auto abandon = [&](int failure, bool open) {
        if (open) calls.close(handle);
        calls.remove(temporary);
        return failed(failure, target);
    };

    if (model != nullptr) {
        // Owner first: changing it may clear set-id bits that setPermissions
        // then puts back. Only the superuser may give a file away, so a
        // refusal here is no reason to abandon the save.
        calls.setOwner(handle, model->owner, model->group);
        if (const int e = calls.setPermissions(handle, model->permissions); e != 0) return abandon(e, true);
    }
    if (const int e = calls.write(handle, bytes); e != 0) return abandon(e, true);
    if (const int e = calls.sync(handle); e != 0) return abandon(e, true);
    if (const int e = calls.close(handle); e != 0) return abandon(e, false);
    if (const int e = calls.rename(temporary, target); e != 0) return abandon(e, false);

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
