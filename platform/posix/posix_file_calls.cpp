#include "platform/posix/posix_file_calls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace platform {

namespace {

void describe(const struct stat& st, FileInfo& info) {
    info.isRegular = S_ISREG(st.st_mode);
    info.isDirectory = S_ISDIR(st.st_mode);
    info.isSymlink = S_ISLNK(st.st_mode);
    info.permissions = static_cast<unsigned>(st.st_mode & 07777);
    info.owner = st.st_uid;
    info.group = st.st_gid;
    info.size = static_cast<std::uint64_t>(st.st_size);
    info.volume = static_cast<std::uint64_t>(st.st_dev);
    info.fileIndex = static_cast<std::uint64_t>(st.st_ino);
    info.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

}  // namespace

int SystemFileCalls::readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) {
    contents.clear();
    // O_NONBLOCK keeps a named pipe from blocking the open; it changes nothing
    // for a regular file.
    const int fd = ::open(path.systemBytes().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    }
    const std::size_t expected = static_cast<std::size_t>(st.st_size);
    // One byte more than the file holds, so that the read that finds its end
    // needs no larger buffer (growing it would copy the whole file).
    contents.resize(expected < maxBytes ? expected + 1 : maxBytes);
    std::size_t done = 0;
    while (done < maxBytes) {
        if (done == contents.size()) contents.resize(std::min(maxBytes, contents.size() + 65536));
        const ssize_t got = ::read(fd, contents.data() + done, contents.size() - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            contents.clear();
            return error;
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    contents.resize(done);
    ::close(fd);
    return 0;
}

int SystemFileCalls::status(const SystemPath& path, bool followLinks, FileInfo& info) {
    struct stat st {};
    const int result = followLinks ? ::stat(path.systemBytes().c_str(), &st) : ::lstat(path.systemBytes().c_str(), &st);
    if (result != 0) return errno;
    describe(st, info);
    return 0;
}

int SystemFileCalls::checkWritable(const SystemPath& path) {
    return ::faccessat(AT_FDCWD, path.systemBytes().c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

int SystemFileCalls::readLink(const SystemPath& path, SystemPath& target) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink(path.systemBytes().c_str(), buffer.data(), buffer.size());
        if (length < 0) return errno;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            target = SystemPath::fromSystem(std::string(buffer.data(), static_cast<std::size_t>(length)));
            return 0;
        }
        buffer.resize(buffer.size() * 2);
    }
}

int SystemFileCalls::createNew(const SystemPath& path, unsigned mode, Handle& handle) {
    const int fd = ::open(path.systemBytes().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY,
                          static_cast<mode_t>(mode));
    if (fd < 0) return errno;
    handle = fd;
    return 0;
}

int SystemFileCalls::setPermissions(Handle handle, unsigned permissions) {
    return ::fchmod(handle, static_cast<mode_t>(permissions)) == 0 ? 0 : errno;
}

int SystemFileCalls::setOwner(Handle handle, std::uint32_t owner, std::uint32_t group) {
    return ::fchown(handle, static_cast<uid_t>(owner), static_cast<gid_t>(group)) == 0 ? 0 : errno;
}

int SystemFileCalls::write(Handle handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(handle, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int SystemFileCalls::sync(Handle handle) { return ::fsync(handle) == 0 ? 0 : errno; }

int SystemFileCalls::close(Handle handle) {
    // The descriptor is released even when close reports an error; retrying
    // after EINTR could close a descriptor another part of the program reused.
    return ::close(handle) == 0 ? 0 : errno;
}

int SystemFileCalls::rename(const SystemPath& from, const SystemPath& to) {
    return ::rename(from.systemBytes().c_str(), to.systemBytes().c_str()) == 0 ? 0 : errno;
}

int SystemFileCalls::remove(const SystemPath& path) { return ::unlink(path.systemBytes().c_str()) == 0 ? 0 : errno; }

int SystemFileCalls::syncDirectory(const SystemPath& directory) {
    const int fd = ::open(directory.systemBytes().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

int SystemFileCalls::openToLock(const SystemPath& path, Handle& handle) {
    // O_NONBLOCK: a named pipe put in the file's place must not block the open.
    const int fd = ::open(path.systemBytes().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno;
    handle = fd;
    return 0;
}

int SystemFileCalls::lock(Handle handle, bool exclusive) {
    while (::flock(handle, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0)
        if (errno != EINTR) return errno;
    return 0;
}

PosixFileCalls& systemFileCalls() {
    static SystemFileCalls calls;
    return calls;
}

}  // namespace platform
