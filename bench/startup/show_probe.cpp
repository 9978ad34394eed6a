// Preloaded into the unchanged quorvels program by startup_bench: as soon as
// the book list of the first window has been painted, it writes the time
// (CLOCK_MONOTONIC, nanoseconds) to the file descriptor named by
// QUORVELS_SHOWN_FD and ends the process.
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

int reportFd = -1;

void reportAndEnd() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    dprintf(reportFd, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::_Exit(0);
}

// Waits for the first paint of a list's viewport; the report follows once
// that paint and everything queued with it are done.
class FirstListPaint final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && qobject_cast<QAbstractItemView*>(widget->parentWidget()) != nullptr) {
                seen = true;
                QTimer::singleShot(0, reportAndEnd);
            }
        }
        return false;
    }

  private:
    bool seen = false;
};

void installProbe() {
    const char* fd = std::getenv("QUORVELS_SHOWN_FD");
    if (fd == nullptr) return;
    reportFd = std::atoi(fd);
    QCoreApplication::instance()->installEventFilter(new FirstListPaint);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
