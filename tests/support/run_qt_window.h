#pragma once

#include <QTimer>
#include <functional>

#include "platform/qt_windows/qt_windows.h"

// Runs a window through the Qt windows with `handler`, calls `whileShown`
// once the window is up, then ends the window (if `whileShown` did not). Needs the
// QApplication that tests/support/qt_test_main.cpp makes.
inline void runQtWindow(platform::qt::QtWindows& windows, const platform::WindowSpec& blueprint,
                        const platform::Handler& handler,
                        const std::function<void(platform::qt::QtWindow&, platform::WindowHandle)>& whileShown) {
    windows.runWindow(blueprint, {}, [&](platform::WindowHandle window, const platform::Message& message) {
        handler(window, message);
        if (message.kind != platform::MessageKind::Init) return;
        QTimer::singleShot(0, [&windows, window, &whileShown] {
            if (auto* shown = windows.find(window)) whileShown(*shown, window);
            windows.endWindow(window);
        });
    });
}
