// For the launch probes: notes the first paint of a top-level window, and once that frame is
// done (the window and all its children drawn and flushed) prints both moments on the
// monotonic clock ("paint <ns> frame <ns>") and ends the event loop.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (paint_ == 0 && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            paint_ = now();
            // The window's own paint event comes first; its children paint after it, then the
            // frame is flushed, all before the event loop takes its next turn.
            QTimer::singleShot(0, [this] {
                std::printf("paint %lld frame %lld\n", paint_, now());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    static long long now() {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
    }

    long long paint_ = 0;
};
