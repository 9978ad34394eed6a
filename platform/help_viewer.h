#pragma once

#include "platform/system_path.h"
#include "platform/window.h"

namespace platform {

// Shows the program's help file in a window of its own, beside the program's
// windows and without blocking them. The contents of a help file lie beside
// it, in a file of the same name with the extension ".cnt"; the path is the
// system's own name. A help file that is missing or cannot be read is
// reported by the viewer itself.
struct HelpViewer {
    virtual ~HelpViewer() = default;

    // Opens the help file at its contents, for `owner`, and returns at once.
    virtual void showContents(const SystemPath& helpPath, WindowHandle owner) = 0;
    // The program no longer uses the help file: its help window, if open, closes.
    virtual void close(const SystemPath& helpPath) = 0;
};

}  // namespace platform
