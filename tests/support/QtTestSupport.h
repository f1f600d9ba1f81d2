#pragma once

#include "core/io/ReadFile.h"

#include <QCoreApplication>
#include <QFuture>
#include <QSettings>
#include <QString>
#include <QTest>
#include <QThreadPool>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace marklode::test {

// Runs the event loop until the future has finished, so that results reach the main thread.
template <typename T> void await(QFuture<T> future, int timeoutMs = 20000) {
    bool finished = QTest::qWaitFor([&]() { return future.isFinished(); }, timeoutMs);
    ASSERT_TRUE(finished) << "timed out";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Holds calls made on background threads until the test lets each one through, so that races
// play out in the order the test chooses. No call is held longer than the limit, so a fault that
// waits for one on the main thread fails its test instead of hanging it.
class Gate {
  public:
    explicit Gate(std::chrono::milliseconds limit = std::chrono::seconds(10))
        : state_(std::make_shared<State>()) {
        state_->limit = limit;
    }
    ~Gate() { openAll(); }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;

    // For the background side: blocks until let through; returns the call's place in the order
    // of arrival, from 0.
    std::function<std::size_t()> waiter() const {
        return [state = state_]() {
            std::unique_lock lock(state->mutex);
            std::size_t call = state->arrivals++;
            state->changed.notify_all();
            state->changed.wait_for(lock, state->limit,
                                    [&] { return state->all || state->opened.contains(call); });
            return call;
        };
    }
    bool arrived(std::size_t count) const {
        std::unique_lock lock(state_->mutex);
        return state_->changed.wait_for(lock, std::chrono::seconds(5),
                                        [&] { return state_->arrivals >= count; });
    }
    void open(std::size_t call) {
        std::lock_guard lock(state_->mutex);
        state_->opened.insert(call);
        state_->changed.notify_all();
    }
    void openAll() {
        std::lock_guard lock(state_->mutex);
        state_->all = true;
        state_->changed.notify_all();
    }

  private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        std::size_t arrivals = 0;
        std::set<std::size_t> opened;
        bool all = false;
        std::chrono::milliseconds limit{};
    };
    std::shared_ptr<State> state_;
};

// Reads input files once the gate lets each read through.
inline std::function<std::string(const std::filesystem::path&)> heldReader(const Gate& gate) {
    return [wait = gate.waiter()](const std::filesystem::path& path) {
        wait();
        return readFileBytes(path);
    };
}

// Waits until no more than `held` tasks of the pool are still running (the ones held at a
// gate), then lets what the others finished reach the main thread.
inline void settle(QThreadPool* pool, int held = 0) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return pool->activeThreadCount() <= held; }, 5000));
    QCoreApplication::processEvents();
}

// Preferences in a file of the test's own, never the user's.
inline std::unique_ptr<QSettings> settingsFile(const std::filesystem::path& file) {
    return std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat);
}

inline std::string text(const std::optional<QString>& value) {
    return value ? value->toStdString() : std::string("<none>");
}

} // namespace marklode::test
