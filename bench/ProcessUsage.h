#pragma once

#include <sys/resource.h>
#include <unistd.h>

// Largest resident set of this process so far, in MiB (Linux reports KiB).
inline double peakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// What this process has used so far (all threads): processor seconds in user
// and kernel mode, and the page faults served without I/O, each of which
// stands for a fresh page handed in by the kernel (a buffer not reused).
struct ProcessTimes {
    double userSeconds = 0;
    double systemSeconds = 0;
    long minorFaults = 0;

    static ProcessTimes now()
    {
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        return { double(usage.ru_utime.tv_sec) + double(usage.ru_utime.tv_usec) / 1e6,
            double(usage.ru_stime.tv_sec) + double(usage.ru_stime.tv_usec) / 1e6, usage.ru_minflt };
    }
    static double pageMiB() { return double(sysconf(_SC_PAGESIZE)) / (1 << 20); }
    ProcessTimes operator-(const ProcessTimes& earlier) const
    {
        return { userSeconds - earlier.userSeconds, systemSeconds - earlier.systemSeconds,
            minorFaults - earlier.minorFaults };
    }
};

// Processor time of this process so far, in seconds: less disturbed than the
// wall clock when other work shares the cores.
inline double processorSeconds()
{
    const ProcessTimes times = ProcessTimes::now();
    return times.userSeconds + times.systemSeconds;
}
