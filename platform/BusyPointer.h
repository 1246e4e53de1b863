#pragma once

// Shows the hourglass pointer for its lifetime; the normal pointer comes back
// on every way out of the scope, early returns and exceptions included.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    // Normal pointer now, before the scope ends (e.g. before a report box).
    void restore();
    // Hourglass again after restore() (e.g. once a question is answered).
    void resume();
    static bool isBusy();

private:
    bool m_active = true;
};
