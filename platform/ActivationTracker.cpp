#include "ActivationTracker.h"

#include <QEvent>
#include <QWidget>

ActivationTracker& ActivationTracker::instance()
{
    static ActivationTracker tracker;
    return tracker;
}

void ActivationTracker::track(QWidget* window, std::function<void()> onActivate)
{
    m_handlers[window] = std::move(onActivate);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this, window] { m_handlers.erase(window); });
}

void ActivationTracker::activated(QWidget* window)
{
    auto it = m_handlers.find(window);
    if (it == m_handlers.end() || m_last == window)
        return;
    m_last = window;
    auto handler = it->second; // the handler may show dialogs
    handler();
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event)
{
    // A disabled window cannot become the program's active window, even when
    // a window manager focuses it.
    if (event->type() == QEvent::WindowActivate && static_cast<QWidget*>(watched)->isEnabled())
        activated(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}
