#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

// Calls `act` once a visible modal window of type Window is up (other than
// `previous`), polling so that it does not matter when the program opens it.
// A window that never comes fails the test and ends the test program, which
// would otherwise wait in the modal windows that are open. Deleting the
// poll it returns stops the waiting.
template <typename Window>
QPointer<QTimer> whenModal(std::function<void(Window&)> act, const QWidget* previous = nullptr) {
    auto* poll = new QTimer;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* window = dynamic_cast<Window*>(QApplication::activeModalWidget());
        const bool up = window != nullptr && window != previous && window->isVisible();
        if (!up && waited.elapsed() < 60000) return;
        poll->stop();
        poll->deleteLater();
        if (!up) {
            ADD_FAILURE() << "the expected window did not open";
            std::fflush(stdout);
            std::_Exit(1);
        }
        act(*window);
    });
    poll->start(10);
    return poll;
}
