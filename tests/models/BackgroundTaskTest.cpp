#include "models/BackgroundTask.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using namespace marklode;

namespace {

// Tells which thread destroyed it.
struct Tracked {
    explicit Tracked(std::shared_ptr<std::promise<std::thread::id>> destroyed)
        : destroyedOn(std::move(destroyed)) {}
    Tracked(Tracked&&) = default;
    ~Tracked() {
        if (destroyedOn)
            destroyedOn->set_value(std::this_thread::get_id());
    }
    std::shared_ptr<std::promise<std::thread::id>> destroyedOn;
};

} // namespace

// A large value let go of on the main thread is freed elsewhere; on any other thread it is
// freed where it is let go of.
TEST(BackgroundTaskTest, SharedValuesAreFreedOffTheMainThread) {
    for (bool onMainThread : {true, false}) {
        auto destroyed = std::make_shared<std::promise<std::thread::id>>();
        std::future<std::thread::id> destroyedOn = destroyed->get_future();
        std::shared_ptr<const Tracked> value = background::share(Tracked(destroyed));
        destroyed.reset();
        std::thread::id releasedOn = std::this_thread::get_id();
        if (onMainThread) {
            value.reset();
        } else {
            std::thread([&] {
                releasedOn = std::this_thread::get_id();
                value.reset();
            }).join();
        }
        ASSERT_EQ(destroyedOn.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        std::thread::id where = destroyedOn.get();
        EXPECT_EQ(where == releasedOn, !onMainThread) << onMainThread;
        EXPECT_NE(where, std::this_thread::get_id()) << onMainThread;
    }
}

// Qt's painting borrows the global pool's threads for large fills and waits for them; work
// of ours there would stall frames for as long as an import runs.
TEST(BackgroundTaskTest, WorkLeavesQtsGlobalPoolToPainting) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> started;
    QObject context;
    QFuture<void> running = background::run(
        &context,
        [&started, released] {
            started.set_value();
            released.wait();
            return 1;
        },
        [](background::Outcome<int>) {});
    started.get_future().wait();
    EXPECT_EQ(QThreadPool::globalInstance()->activeThreadCount(), 0);
    release.set_value();
    while (!running.isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
