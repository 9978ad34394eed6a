#pragma once

#include <windows.h>

#include "platform/testing/call_failures.h"
#include "platform/win32/win32_file_calls.h"

namespace platform::scripted {

// Wraps the Win32 calls of the file layer (normally the real ones; put a
// Win32Files over it), failing the chosen call with the Win32 error `error`
// instead of reaching it. A killed process ends with KilledExitCode.
struct FailingWin32Calls final : Win32FileCalls, CallFailures {
    static constexpr UINT KilledExitCode = 0xDEAD;

    explicit FailingWin32Calls(Win32FileCalls& inner) : inner(inner) {}

    Win32FileCalls& inner;
    Error error = ERROR_WRITE_FAULT;

    Error readFile(const SystemPath& p, std::size_t max, std::string& c) override {
        return fails("readFile") ? error : inner.readFile(p, max, c);
    }
    Error status(const SystemPath& p, bool follow, FileInfo& i) override {
        return fails("status") ? error : inner.status(p, follow, i);
    }
    Error finalPath(const SystemPath& p, SystemPath& t) override {
        return fails("finalPath") ? error : inner.finalPath(p, t);
    }
    Error createNew(const SystemPath& p, Handle& h) override {
        return fails("createNew") ? error : inner.createNew(p, h);
    }
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
    Error openLockFile(const SystemPath& p, bool shared, Handle& h) override {
        return fails("openLockFile") ? error : inner.openLockFile(p, shared, h);
    }

  private:
    bool fails(const char* name) {
        return CallFailures::fails(name, [] { TerminateProcess(GetCurrentProcess(), KilledExitCode); });
    }
};

}  // namespace platform::scripted
