// Waiting for the window manager's frame, which tells a window's outer size.
#include "ui/whenframed.h"

#include <QTimer>
#include <QWidget>
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
