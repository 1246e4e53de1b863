#pragma once

#include "ProcessUsage.h"

#include <QElapsedTimer>

// Wall-clock and processor milliseconds since the last lap.
class Stopwatch {
public:
    struct Lap {
        double wallMs = 0;
        double processorMs = 0;
        Lap& operator+=(const Lap& other)
        {
            wallMs += other.wallMs;
            processorMs += other.processorMs;
            return *this;
        }
    };

    Stopwatch() { restart(); }
    void restart()
    {
        m_wall.start();
        m_processor = processorSeconds();
    }
    Lap lap()
    {
        const double processor = processorSeconds();
        const Lap lap { double(m_wall.nsecsElapsed()) / 1e6, (processor - m_processor) * 1e3 };
        m_wall.start();
        m_processor = processor;
        return lap;
    }

private:
    QElapsedTimer m_wall;
    double m_processor = 0;
};
