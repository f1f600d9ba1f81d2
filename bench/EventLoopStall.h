#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QFuture>
#include <functional>
#include <vector>

namespace marklode::bench {

double median(std::vector<double> values);

// Runs the operation inside an event loop, as the window would, and returns the longest gap in
// milliseconds between two turns of the loop (ticks of a 1 ms timer): from just before the call
// until its future has finished and a further 300 ms have passed, so that deferred deletions
// and anything else the operation left for the loop count too. The call itself counts.
double longestStall(const std::function<QFuture<void>()>& operation);

// Runs `prepare` (not measured) and then the operation, `runs` times; prints the median stall
// as "stall NAME: X ms (median of N; runs ...)".
void measure(const char* name, const std::function<void()>& prepare,
             const std::function<QFuture<void>()>& operation, int runs = 5);

// Waits, with the event loop running, for something not measured.
template <typename T> void await(QFuture<T> future) {
    while (!future.isFinished())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

} // namespace marklode::bench
