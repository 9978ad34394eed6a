#pragma once

#include <memory>

#include "platform/files.h"
#include "platform/help_viewer.h"
#include "platform/win32_desktop/help_window.h"
#include "platform/win32_windows/win32_windows.h"

namespace platform::win32 {

// The help viewer on Windows: one help window, belonging to the window that
// asked for it, kept while it shows the same help file for the same owner
// and brought to the front each time help is asked for. The files are read
// through `files`; one that cannot be read is told in a message box.
class Win32HelpViewer final : public HelpViewer {
  public:
    Win32HelpViewer(const Win32Windows& windows, Files& files) : windows(windows), files(files) {}
    ~Win32HelpViewer() override { discard(); }
    Win32HelpViewer(const Win32HelpViewer&) = delete;
    Win32HelpViewer& operator=(const Win32HelpViewer&) = delete;

    void showContents(const SystemPath& helpPath, WindowHandle owner) override;
    void close(const SystemPath& helpPath) override;

    // The help window, or none.
    const HelpWindow* window() const { return shown != nullptr && shown->window != nullptr ? shown.get() : nullptr; }

  private:
    void discard();  // closes the help window and lets it go

    const Win32Windows& windows;
    Files& files;
    std::unique_ptr<HelpWindow> shown;
};

}  // namespace platform::win32
