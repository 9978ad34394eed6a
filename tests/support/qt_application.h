#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_windows.h"

// The one QApplication of a Qt test program, made on first use.
inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "quorvels-tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

// Runs a window through the Qt windows with `handler`, calls `whileShown`
// once the window is up, then ends the window (if `whileShown` did not).
inline void runQtWindow(platform::qt::QtWindows& windows, const platform::WindowSpec& spec,
                        const platform::Handler& handler,
                        const std::function<void(platform::qt::QtWindow&, platform::WindowHandle)>& whileShown) {
    qtApplication();
    windows.runWindow(spec, {}, [&](platform::WindowHandle window, const platform::Message& message) {
        handler(window, message);
        if (message.kind != platform::MessageKind::Init) return;
        QTimer::singleShot(0, [&windows, window, &whileShown] {
            if (auto* shown = windows.find(window)) whileShown(*shown, window);
            windows.endWindow(window);
        });
    });
}
