#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_file_calls.h"

namespace platform::scripted {

// Wraps the Win32 calls of the file layer (normally the real ones; put a
// Win32Files over it) and makes the n-th call, counted from 0 over every
// operation, fail with the Win32 error `error` instead of reaching it. Every
// call is recorded by name, so a test can first count the calls of an
// operation and then fail each of them in turn.
struct FailingWin32Calls final : Win32FileCalls {
    enum class Failure {
        Once,     // only the n-th call fails
        ForGood,  // the n-th call and every later call of the same operation fail
        Kill,     // the process ends at the n-th call (exit code KilledExitCode), as a crash would end it
    };
    static constexpr UINT KilledExitCode = 0xDEAD;

    explicit FailingWin32Calls(Win32FileCalls& inner) : inner(inner) {}

    Win32FileCalls& inner;
    int failAt = -1;  // -1: no call fails
    Failure failure = Failure::Once;
    Error error = ERROR_WRITE_FAULT;
    std::vector<std::string> calls;

    // The name of the call that was made to fail, "" when none was.
    std::string failedCall() const {
        return failAt >= 0 && failAt < static_cast<int>(calls.size()) ? calls[failAt] : std::string();
    }

    Error readFile(const SystemPath& p, std::size_t max, std::string& c) override {
        return fails("readFile") ? error : inner.readFile(p, max, c);
    }
    Error status(const SystemPath& p, bool follow, FileInfo& i) override {
        return fails("status") ? error : inner.status(p, follow, i);
    }
    Error finalPath(const SystemPath& p, SystemPath& t) override {
        return fails("finalPath") ? error : inner.finalPath(p, t);
    }
    Error createNew(const SystemPath& p, Handle& h) override { return fails("createNew") ? error : inner.createNew(p, h); }
    Error write(Handle h, std::string_view b) override { return fails("write") ? error : inner.write(h, b); }
    Error flush(Handle h) override { return fails("flush") ? error : inner.flush(h); }
    Error close(Handle h) override {
        if (fails("close")) {
            inner.close(h);  // a handle is gone even when close reports an error
            return error;
        }
        return inner.close(h);
    }
    Error replace(const SystemPath& r, const SystemPath& t) override {
        return fails("replace") ? error : inner.replace(r, t);
    }
    Error move(const SystemPath& f, const SystemPath& t) override { return fails("move") ? error : inner.move(f, t); }
    Error flushFile(const SystemPath& p) override { return fails("flushFile") ? error : inner.flushFile(p); }
    Error remove(const SystemPath& p) override { return fails("remove") ? error : inner.remove(p); }

private:
    bool fails(const char* name) {
        calls.emplace_back(name);
        const int call = static_cast<int>(calls.size()) - 1;
        if (failAt < 0 || call < failAt) return false;
        if (call == failAt && failure == Failure::Kill) TerminateProcess(GetCurrentProcess(), KilledExitCode);
        return call == failAt || (failure == Failure::ForGood && calls[failAt] == name);
    }
};

}  // namespace platform::scripted
