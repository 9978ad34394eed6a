#pragma once

// The machine's own file layer with one chosen system call failing: the
// file layer over a recording seam over the system's real calls.
#include "platform/scripted/failing_files.h"
#include "platform/system/posix_files.h"

struct FailingSystemFiles {
    using Failure = platform::scripted::FailingFiles::Failure;

    platform::scripted::FailingFiles calls{platform::systemFileCalls()};
    platform::PosixFiles files{calls};
};
