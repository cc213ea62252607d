#include "PaintProbe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace platform {
namespace {

long long realtimeNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void report(const char* what) {
    std::fprintf(stderr, "%s %lld\n", what, realtimeNanoseconds());
    std::fflush(stderr);
}

class PaintProbe : public QObject {
public:
    PaintProbe(QWindow* window, QWidget* watched)
        : QObject(watched), window_(window), watched_(watched) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == window_ && event->type() == QEvent::Expose && !exposed_) {
            exposed_ = true;
            report("expose");
        }
        // The paint is finished, and its pixels flushed, once control is back in the loop.
        if (object == watched_ && event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [] { report("paint"); });
        return false;
    }

private:
    QWindow* window_;
    QWidget* watched_;
    bool exposed_ = false;
};

} // namespace

void installPaintProbeFromEnvironment(QWidget* window, QWidget* watched) {
    if (qEnvironmentVariableIsEmpty("ZORVANE_PAINT_PROBE"))
        return;
    window->winId(); // creates the native window, which receives the expose
    QWindow* native = window->windowHandle();
    auto* probe = new PaintProbe(native, watched);
    native->installEventFilter(probe);
    watched->installEventFilter(probe);
}

} // namespace platform
