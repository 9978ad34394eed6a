#pragma once

#include <cerrno>
#include <csignal>
#include <string>
#include <vector>

#include "platform/system/posix_file_calls.h"

namespace platform::scripted {

// Wraps the POSIX calls of the file layer (normally the real ones; put a
// PosixFiles over it) and makes the n-th call, counted from 0 over every
// operation, fail with `error` instead of reaching it. Every call is recorded by name, so a test can first count the calls of
// an operation and then fail each of them in turn.
struct FailingFiles final : PosixFileCalls {
    enum class Failure {
        Once,     // only the n-th call fails
        ForGood,  // the n-th call and every later call of the same operation fail
        Kill,     // the process is killed at the n-th call, as a crash or power cut would end it
    };

    explicit FailingFiles(PosixFileCalls& inner) : inner(inner) {}

    PosixFileCalls& inner;
    int failAt = -1;  // -1: no call fails
    Failure failure = Failure::Once;
    int error = EIO;
    std::vector<std::string> calls;

    // The name of the call that was made to fail, "" when none was.
    std::string failedCall() const {
        return failAt >= 0 && failAt < static_cast<int>(calls.size()) ? calls[failAt] : std::string();
    }

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
    int syncDirectory(const SystemPath& d) override {
        return fails("syncDirectory") ? error : inner.syncDirectory(d);
    }

private:
    bool fails(const char* name) {
        calls.emplace_back(name);
        const int call = static_cast<int>(calls.size()) - 1;
        if (failAt < 0 || call < failAt) return false;
        if (call == failAt && failure == Failure::Kill) ::raise(SIGKILL);
        return call == failAt || (failure == Failure::ForGood && calls[failAt] == name);
    }
};

}  // namespace platform::scripted
