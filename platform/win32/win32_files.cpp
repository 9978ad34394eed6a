#include "platform/win32/win32_files.h"

#include <windows.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <random>

#include "platform/path_form.h"
#include "platform/system_files.h"
#include "platform/win32/win32_errors.h"

namespace platform {

namespace {

using Error = Win32FileCalls::Error;

constexpr int MaxTemporaryNames = 100;  // attempts at a free temporary name

bool isMissing(Error error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// ".NAME.xxxxxxxx.tmp" in the target's folder.
SystemPath temporaryName(const SystemPath& target) {
    static std::mt19937 random{std::random_device{}() ^ GetCurrentProcessId() ^
                               static_cast<unsigned>(GetTickCount64())};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof letters) - 2);
    std::string name = folderOf(target).systemBytes() + "." + fileNameOf(target).systemBytes() + ".";
    for (int i = 0; i < 8; ++i) name += letters[pick(random)];
    return SystemPath::fromSystem(name + ".tmp");
}

ReplaceResult failed(int error, std::string reason, SystemPath target) {
    ReplaceResult result;
    result.outcome = ReplaceResult::NotReplaced;
    result.error = error;
    result.reason = std::move(reason);
    result.target = std::move(target);
    return result;
}

ReplaceResult failed(Error error, SystemPath target) {
    return failed(errnoOf(error), systemReason(error), std::move(target));
}

// Why the existing file at target may not be replaced; nothing when it may.
std::optional<ReplaceResult> refusalToReplace(const SystemPath& target, const FileInfo& existing) {
    if (existing.isDirectory) return failed(EISDIR, "it is a folder", target);
    if (!existing.isRegular) return failed(EINVAL, "it is not a regular file", target);
    // ReplaceFileW would put a new file in place of a read-only one.
    if ((existing.permissions & 0222) == 0)
        return failed(EACCES, systemReason(ERROR_ACCESS_DENIED) + " (the file is read-only)", target);
    return std::nullopt;
}

// Creates a temporary file of a free name beside target, open in `handle`.
Error createTemporary(Win32FileCalls& calls, const SystemPath& target, SystemPath& temporary,
                      Win32FileCalls::Handle& handle) {
    Error error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < MaxTemporaryNames && error == ERROR_FILE_EXISTS; ++attempt) {
        temporary = temporaryName(target);
        error = calls.createNew(temporary, handle);
    }
    return error;
}

// Writes the bytes into the open temporary file, flushes and closes it.
// Returns the error of the failing step; the file is closed either way.
Error fillTemporary(Win32FileCalls& calls, Win32FileCalls::Handle handle, std::string_view bytes) {
    Error error = calls.write(handle, bytes);
    if (error == ERROR_SUCCESS) error = calls.flush(handle);
    if (error != ERROR_SUCCESS) {
        calls.close(handle);
        return error;
    }
    return calls.close(handle);
}

// Removes the temporary file a replacement gives up.
ReplaceResult abandoned(Win32FileCalls& calls, Error failure, const SystemPath& temporary, const SystemPath& target) {
    calls.remove(temporary);
    return failed(failure, target);
}

// Gives the closed temporary file the name of target, where no file is.
ReplaceResult moveIntoPlace(Win32FileCalls& calls, const SystemPath& temporary, const SystemPath& target) {
    // The write-through rename returns once the new name is on the disk.
    if (const Error e = calls.move(temporary, target); e != ERROR_SUCCESS)
        return abandoned(calls, e, temporary, target);
    ReplaceResult result;
    result.target = target;
    return result;
}

// Puts the closed temporary file in place of the existing file at target.
ReplaceResult replaceExisting(Win32FileCalls& calls, const SystemPath& temporary, const SystemPath& target) {
    ReplaceResult result;
    result.target = target;
    if (const Error e = calls.replace(temporary, target); e != ERROR_SUCCESS) {
        // ReplaceFileW can fail after it has removed the old file
        // (ERROR_UNABLE_TO_MOVE_REPLACEMENT): the new one then takes the
        // vacated name, so that the name never stays empty.
        FileInfo now;
        if (!isMissing(calls.status(target, true, now))) return abandoned(calls, e, temporary, target);
        if (const Error moved = calls.move(temporary, target); moved != ERROR_SUCCESS)
            return failed(errnoOf(e), systemReason(e) + " (the new contents are in " + shownPath(temporary) + ")",
                          target);
        return result;
    }
    if (const Error e = calls.flushFile(target); e != ERROR_SUCCESS) {
        result.outcome = ReplaceResult::ReplacedUnconfirmed;
        result.error = errnoOf(e);
        result.reason = systemReason(e);
    }
    return result;
}

}  // namespace

int Win32Files::readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) {
    return errnoOf(calls.readFile(path, maxBytes, contents));
}

int Win32Files::status(const SystemPath& path, bool followLinks, FileInfo& info) {
    return errnoOf(calls.status(path, followLinks, info));
}

ReplaceResult Win32Files::replaceWhole(const SystemPath& path, std::string_view bytes, const FileInfo*) {
    // What is there now decides how the new file is put in place, and whether
    // it may be at all. A link is followed to the file it designates.
    SystemPath target = path;
    FileInfo existing;
    Error error = calls.status(path, false, existing);
    if (error == ERROR_SUCCESS && existing.isSymlink) {
        if (const Error e = calls.finalPath(path, target); e != ERROR_SUCCESS) return failed(e, path);
        error = calls.status(target, true, existing);
    }
    const bool exists = error == ERROR_SUCCESS;
    if (!exists && !isMissing(error)) return failed(error, target);
    if (exists) {
        if (std::optional<ReplaceResult> refusal = refusalToReplace(target, existing)) return *refusal;
    }

    SystemPath temporary;
    Win32FileCalls::Handle handle = nullptr;
    if (const Error e = createTemporary(calls, target, temporary, handle); e != ERROR_SUCCESS) return failed(e, target);
    if (const Error e = fillTemporary(calls, handle, bytes); e != ERROR_SUCCESS)
        return abandoned(calls, e, temporary, target);
    return exists ? replaceExisting(calls, temporary, target) : moveIntoPlace(calls, temporary, target);
}

namespace {

// Keeps the lock file open, and so in place, until it ends.
struct OpenLockFile final : FileHold {
    OpenLockFile(Win32FileCalls& calls, Win32FileCalls::Handle handle) : calls(calls), handle(handle) {}
    ~OpenLockFile() override { calls.close(handle); }
    Win32FileCalls& calls;
    Win32FileCalls::Handle handle;
};

}  // namespace

HoldResult Win32Files::holdOpen(const SystemPath& path) {
    const SystemPath lockName = withSuffix(path, ".lock");
    // Opened unshared first: that succeeds only while no other program has
    // the lock file open, a file left by a crash included, and the close
    // deletes it again. Then every holder keeps it open shared.
    Win32FileCalls::Handle handle = nullptr;
    const Error alone = calls.openLockFile(lockName, false, handle);
    if (alone == ERROR_SUCCESS)
        calls.close(handle);
    else if (alone != ERROR_SHARING_VIOLATION)
        return {};  // a read-only folder, say: no notice can be given
    HoldResult result;
    result.heldElsewhere = alone == ERROR_SHARING_VIOLATION;
    if (calls.openLockFile(lockName, true, handle) == ERROR_SUCCESS)
        result.hold = std::make_unique<OpenLockFile>(calls, handle);
    return result;
}

Files& systemFiles() {
    static Win32Files files(systemWin32FileCalls());
    return files;
}

}  // namespace platform
