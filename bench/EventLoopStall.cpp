#include "bench/EventLoopStall.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace marklode::bench {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double longestStall(const std::function<QFuture<void>()>& operation) {
    constexpr qint64 graceNs = 300'000'000;
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    std::optional<QFuture<void>> running;
    std::optional<qint64> finishedAt;
    auto turn = [&]() {
        qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        return now;
    };
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        qint64 now = turn();
        if (!running || !running->isFinished())
            return;
        if (!finishedAt)
            finishedAt = now;
        else if (now - *finishedAt > graceNs)
            loop.quit();
    });
    QTimer::singleShot(0, &loop, [&] {
        turn();
        running = operation();
        turn();
    });
    clock.start();
    ticker.start();
    loop.exec();
    return static_cast<double>(longest) / 1e6;
}

void measure(const char* name, const std::function<void()>& prepare,
             const std::function<QFuture<void>()>& operation, int runs) {
    std::vector<double> stalls;
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare();
        stalls.push_back(longestStall(operation));
    }
    std::printf("stall %s: %.1f ms (median of %d; runs", name, median(stalls), runs);
    for (double stall : stalls)
        std::printf(" %.1f", stall);
    std::printf(")\n");
    std::fflush(stdout);
}

} // namespace marklode::bench
