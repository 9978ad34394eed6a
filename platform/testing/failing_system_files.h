#pragma once

// The machine's own file layer with one chosen system call failing: the
// file layer over a recording seam over the system's real calls.
#ifdef _WIN32
#include "platform/testing/failing_win32_calls.h"
#include "platform/win32/win32_files.h"

struct FailingSystemFiles {
    using Failure = platform::scripted::FailingWin32Calls::Failure;

    platform::scripted::FailingWin32Calls calls{platform::systemWin32FileCalls()};
    platform::Win32Files files{calls};
};
#else
#include "platform/posix/posix_files.h"
#include "platform/testing/failing_files.h"

struct FailingSystemFiles {
    using Failure = platform::scripted::FailingFiles::Failure;

    platform::scripted::FailingFiles calls{platform::systemFileCalls()};
    platform::PosixFiles files{calls};
};
#endif
