#pragma once

// Small helpers shared by the in-process benchmarks.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Nearest-rank percentile of a copy of the samples.
inline double percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto rank = std::size_t(p / 100.0 * double(samples.size() - 1) + 0.5);
    return samples[std::min(rank, samples.size() - 1)];
}

// Runs the event loop until the window is on screen, so that what is timed
// afterwards is not the window's first appearance.
inline void waitUntilExposed(QWidget &window)
{
    QElapsedTimer timer;
    timer.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (timer.elapsed() > 10000) {
            std::fputs("bench: the window was never exposed\n", stderr);
            std::exit(1);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // Let whatever the first exposure set off run its course.
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

} // namespace bench
