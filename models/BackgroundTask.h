#pragma once

#include <QCoreApplication>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <QtGlobal>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

// The one way the models run work off the main thread and come back to it. Every helper is
// tied to a context object: when the context is destroyed first, the step on the main thread
// never runs and the returned future finishes cancelled, so a dropped object sees nothing late.
namespace marklode::background {

// A finished void future; Qt 6.6 renamed the call and later releases deprecate the old name.
inline QFuture<void> finished() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    return QtFuture::makeReadyVoidFuture();
#else
    return QtFuture::makeReadyFuture();
#endif
}

template <typename T> struct Outcome {
    std::optional<T> value;
    std::exception_ptr error;
};

// Runs `then` on the context's thread once `future` has finished; the returned future
// finishes after `then`.
inline QFuture<void> whenFinished(QFuture<void> future, QObject* context,
                                  std::function<void()> then) {
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    QFuture<void> done = promise->future();
    auto* watcher = new QFutureWatcher<void>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, then = std::move(then), promise]() {
                         watcher->deleteLater();
                         then();
                         promise->finish();
                     });
    watcher->setFuture(future);
    return done;
}

// Starts `next` once `future` has finished and finishes when the future `next` returned has.
inline QFuture<void> thenAwait(QFuture<void> future, QObject* context,
                               std::function<QFuture<void>()> next) {
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    QFuture<void> done = promise->future();
    whenFinished(future, context, [context, next = std::move(next), promise]() {
        whenFinished(next(), context, [promise]() { promise->finish(); });
    });
    return done;
}

// Imports, exports and the freeing of large values run here. Not on Qt's global pool: Qt's
// painting borrows its threads for large fills and image draws and waits for them, so a frame
// would wait for an import of a million rows to let go of them.
QThreadPool* workPool();

// Slow calls on volumes (scans, transfers, ejects; an unmount may wait on the bus for minutes)
// run here, apart from the global pool, so that they never hold the threads imports need.
QThreadPool* volumePool();

// Saves run here, one at a time in the order they were asked for, so that of two saves to one
// target the later one is what stays.
QThreadPool* savePool();

// A shared value whose last owner, when that is the main thread, hands it to a pool thread to
// be destroyed: freeing the rows of a large file takes longer than a frame.
template <typename T> std::shared_ptr<const T> share(T value) {
    return std::shared_ptr<const T>(new T(std::move(value)), [](const T* gone) {
        QCoreApplication* application = QCoreApplication::instance();
        QThreadPool* pool = workPool();
        if (application && pool && QThread::currentThread() == application->thread())
            pool->start([gone]() { delete gone; });
        else
            delete gone;
    });
}

// Runs `work` on the pool and hands its value or exception to `apply` on the context's thread,
// in one step. The returned future finishes after `apply` has run.
template <typename Work, typename Apply>
QFuture<void> run(QThreadPool* pool, QObject* context, Work work, Apply apply) {
    using T = std::invoke_result_t<Work&>;
    auto outcome = std::make_shared<Outcome<T>>();
    QFuture<void> task = QtConcurrent::run(pool, [work = std::move(work), outcome]() mutable {
        try {
            outcome->value.emplace(work());
        } catch (...) {
            outcome->error = std::current_exception();
        }
    });
    return whenFinished(task, context, [outcome, apply = std::move(apply)]() mutable {
        apply(std::move(*outcome));
    });
}

// The same on the work pool.
template <typename Work, typename Apply>
QFuture<void> run(QObject* context, Work work, Apply apply) {
    return run(workPool(), context, std::move(work), std::move(apply));
}

// Overlapping runs of one job (an import, a scan) of which only the newest may apply its
// result: an older one finishing later would put stale data in place. Every start hands out
// the same future, which finishes once the newest run has applied its result; a run that is
// not the newest drops its result. Lives on the main thread with its owner; when the owner
// goes first, the future finishes cancelled.
class NewestWins {
  public:
    std::uint64_t start() {
        if (!pending_) {
            pending_ = std::make_shared<QPromise<void>>();
            pending_->start();
        }
        return ++newest_;
    }
    bool isNewest(std::uint64_t run) const { return run == newest_; }
    // Called by the newest run after it has applied its result.
    void settle() {
        if (std::shared_ptr<QPromise<void>> pending = std::move(pending_))
            pending->finish();
    }
    QFuture<void> settled() const { return pending_ ? pending_->future() : finished(); }

  private:
    std::uint64_t newest_ = 0;
    std::shared_ptr<QPromise<void>> pending_;
};

} // namespace marklode::background
