#include "storage/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <random>

namespace {

constexpr int MaxLinkHops = 40;        // as the system's own limit (ELOOP)
constexpr int MaxTemporaryNames = 100;  // attempts at a free temporary name

platform::SystemPath temporaryName(const platform::SystemPath& target) {
    static std::mt19937 random{std::random_device{}()};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof letters) - 2);
    platform::SystemPath name = folderOf(target) + "/." + nameOf(target) + ".";
    for (int i = 0; i < 8; ++i) name += letters[pick(random)];
    return name + ".tmp";
}

AtomicWriteResult failed(int error, platform::SystemPath target, std::string reason = {}) {
    AtomicWriteResult result;
    result.outcome = AtomicWriteResult::NotWritten;
    result.error = error;
    result.reason = reason.empty() ? std::strerror(error) : std::move(reason);
    result.target = std::move(target);
    return result;
}

}  // namespace

platform::SystemPath folderOf(const platform::SystemPath& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

platform::SystemPath nameOf(const platform::SystemPath& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int resolveLinks(platform::Files& files, const platform::SystemPath& path, platform::SystemPath& target) {
    platform::SystemPath current = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        platform::FileInfo info;
        const int error = files.status(current, false, info);
        if (error == ENOENT || (error == 0 && !info.isSymlink)) {
            target = current;
            return 0;
        }
        if (error != 0) return error;
        platform::SystemPath link;
        if (const int linkError = files.readLink(current, link); linkError != 0) return linkError;
        if (link.empty()) return ENOENT;
        current = link.front() == '/' ? link : folderOf(current) + "/" + link;
    }
    return ELOOP;
}

AtomicWriteResult writeFileAtomically(platform::Files& files, const platform::SystemPath& path,
                                      std::string_view bytes) {
    platform::SystemPath target;
    if (const int error = resolveLinks(files, path, target); error != 0) return failed(error, path);

    // What is there now decides the new file's permissions, and whether we may
    // replace it at all: a file we could not write in place stays as it is.
    platform::FileInfo existing;
    const int statusError = files.status(target, true, existing);
    const bool exists = statusError == 0;
    if (!exists && statusError != ENOENT) return failed(statusError, target);
    if (exists) {
        if (existing.isDirectory) return failed(EISDIR, target);
        if (!existing.isRegular) return failed(EINVAL, target, "it is not a regular file");
        // No write permission for anyone marks a read-only file, which even
        // the superuser (whom the system's check lets through) must not replace.
        if ((existing.permissions & 0222) == 0)
            return failed(EACCES, target, std::string(std::strerror(EACCES)) + " (the file is read-only)");
        if (const int error = files.checkWritable(target); error != 0) return failed(error, target);
    }

    platform::SystemPath temporary;
    platform::Files::Handle handle = -1;
    int error = EEXIST;
    for (int attempt = 0; attempt < MaxTemporaryNames && error == EEXIST; ++attempt) {
        temporary = temporaryName(target);
        // Until its permissions are set, only we may read the new file.
        error = files.createNew(temporary, exists ? 0600u : 0666u, handle);
    }
    if (error != 0) return failed(error, target);

    auto abandon = [&](int failure, bool open) {
        if (open) files.close(handle);
        files.remove(temporary);
        return failed(failure, target);
    };

    if (exists) {
        // Owner first: changing it may clear set-id bits that setPermissions
        // then puts back. Only the superuser may give a file away, so a
        // refusal here is no reason to abandon the save.
        files.setOwner(handle, existing.owner, existing.group);
        if (const int e = files.setPermissions(handle, existing.permissions); e != 0) return abandon(e, true);
    }
    if (const int e = files.write(handle, bytes); e != 0) return abandon(e, true);
    if (const int e = files.sync(handle); e != 0) return abandon(e, true);
    if (const int e = files.close(handle); e != 0) return abandon(e, false);
    if (const int e = files.rename(temporary, target); e != 0) return abandon(e, false);

    AtomicWriteResult result;
    result.target = target;
    // Some file systems cannot flush a folder and say so with EINVAL; the
    // rename is then as lasting as that file system makes it.
    if (const int e = files.syncDirectory(folderOf(target)); e != 0 && e != EINVAL) {
        result.outcome = AtomicWriteResult::WrittenUnconfirmed;
        result.error = e;
        result.reason = std::strerror(e);
    }
    return result;
}
