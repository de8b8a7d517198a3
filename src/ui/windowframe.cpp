// A window's frame: waiting for the window manager to tell it, and sizing
// and placing a window by it.
#include "ui/windowframe.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace
{

constexpr int intervalMs = 20;
constexpr int attempts = 100;

bool framed(const QWidget *window)
{
    return window->frameGeometry().size() != window->geometry().size();
}

} // namespace

void whenFramed(QWidget *window, std::function<void()> action)
{
    if (framed(window)) {
        action();
        return;
    }
    auto *timer = new QTimer(window);
    timer->setInterval(intervalMs);
    auto left = std::make_shared<int>(attempts);
    QObject::connect(timer, &QTimer::timeout, window,
                     [window, timer, left, action = std::move(action)] {
                         const bool done = framed(window);
                         if (done)
                             action();
                         if (done || --*left <= 0) {
                             timer->stop();
                             timer->deleteLater();
                         }
                     });
    timer->start();
}

void placeFrame(QWidget *window, const QPoint &corner)
{
    QWindow *handle = window->windowHandle();
    if (!handle) {
        window->move(corner);
        return;
    }
    // Asking for the margins has the platform fetch them afresh; with stale
    // ones it would take the corner for the client's.
    handle->frameMargins();
    handle->setFramePosition(corner);
}

void setOuterSize(QWidget *window, const QSize &size)
{
    window->resize(size - (window->frameGeometry().size() - window->size()));
}

int frameRoundingSlack(const QWidget *window)
{
    return window->devicePixelRatioF() == 1.0 ? 0 : 1;
}
