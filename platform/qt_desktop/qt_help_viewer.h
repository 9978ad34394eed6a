#pragma once

#include <QPointer>

#include "platform/help_viewer.h"
#include "platform/qt_desktop/help_window.h"
#include "platform/qt_windows/qt_windows.h"

namespace platform::qt {

// The help viewer on Qt: one help window, belonging to the window that asked
// for it, kept while it shows the same help file for the same owner and
// brought to the front each time help is asked for.
class QtHelpViewer final : public HelpViewer {
  public:
    explicit QtHelpViewer(const QtWindows& windows) : windows(windows) {}

    void showContents(const SystemPath& helpPath, WindowHandle owner) override;
    void close(const SystemPath& helpPath) override;

    HelpWindow* window() const { return shown; }  // the help window, or none

  private:
    void discard();  // closes the help window and lets it go

    const QtWindows& windows;
    QPointer<HelpWindow> shown;  // goes to none when its owner takes it along
};

}  // namespace platform::qt
