#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class QWidget;

// Decides when a window's activation handler runs: when the window becomes
// active coming from another window of the program (or for the first time),
// but not when one of the program's dialogs closes over it, nor when focus
// comes back from another application.
class ActivationTracker : public QObject {
    Q_OBJECT

public:
    static ActivationTracker& instance();

    void track(QWidget* window, std::function<void()> onActivate);
    // The program has just shown or given back this window: run its handler
    // now when it comes from another window, without waiting for the window
    // system (which may never activate it, e.g. without a window manager).
    void activated(QWidget* window);
    // Forget which window was active, so the next activation always runs.
    void reset() { m_last = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, std::function<void()>> m_handlers;
    QPointer<QWidget> m_last;
};
