#pragma once

#include <cerrno>
#include <csignal>

#include "platform/posix/posix_file_calls.h"
#include "platform/testing/call_failures.h"

namespace platform::scripted {

// Wraps the POSIX calls of the file layer (normally the real ones; put a
// PosixFiles over it), failing the chosen call with `error` instead of
// reaching it.
struct FailingFiles final : PosixFileCalls, CallFailures {
    explicit FailingFiles(PosixFileCalls& inner) : inner(inner) {}

    PosixFileCalls& inner;
    int error = EIO;

    int readFile(const SystemPath& p, std::size_t max, std::string& c) override {
        return fails("readFile") ? error : inner.readFile(p, max, c);
    }
    int status(const SystemPath& p, bool follow, FileInfo& i) override {
        return fails("status") ? error : inner.status(p, follow, i);
    }
    int checkWritable(const SystemPath& p) override { return fails("checkWritable") ? error : inner.checkWritable(p); }
    int readLink(const SystemPath& p, SystemPath& t) override {
        return fails("readLink") ? error : inner.readLink(p, t);
    }
    int createNew(const SystemPath& p, unsigned mode, Handle& h) override {
        return fails("createNew") ? error : inner.createNew(p, mode, h);
    }
    int setPermissions(Handle h, unsigned perms) override {
        return fails("setPermissions") ? error : inner.setPermissions(h, perms);
    }
    int setOwner(Handle h, std::uint32_t o, std::uint32_t g) override {
        return fails("setOwner") ? error : inner.setOwner(h, o, g);
    }
    int write(Handle h, std::string_view b) override { return fails("write") ? error : inner.write(h, b); }
    int sync(Handle h) override { return fails("sync") ? error : inner.sync(h); }
    int close(Handle h) override {
        if (fails("close")) {
            inner.close(h);  // a handle is gone even when close reports an error
            return error;
        }
        return inner.close(h);
    }
    int rename(const SystemPath& f, const SystemPath& t) override {
        return fails("rename") ? error : inner.rename(f, t);
    }
    int remove(const SystemPath& p) override { return fails("remove") ? error : inner.remove(p); }
    int syncDirectory(const SystemPath& d) override { return fails("syncDirectory") ? error : inner.syncDirectory(d); }
    int openToLock(const SystemPath& p, Handle& h) override {
        return fails("openToLock") ? error : inner.openToLock(p, h);
    }
    int lock(Handle h, bool exclusive) override { return fails("lock") ? error : inner.lock(h, exclusive); }

  private:
    bool fails(const char* name) {
        return CallFailures::fails(name, [] { ::raise(SIGKILL); });
    }
};

}  // namespace platform::scripted
