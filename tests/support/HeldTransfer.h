#pragma once

#include "core/devices/DeviceTransfer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace marklode::test {

// A transfer run in a forked child that stops at one step: the child tells the parent when it
// gets there and then waits, holding whatever the transfer holds (the device's lock), until it
// is killed. What the device holds then is what a crash at that moment would leave.
class HeldTransfer {
  public:
    HeldTransfer(DeviceTransfer transfer, TransferStep heldAt,
                 const std::function<void(const DeviceTransfer&)>& operation) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        child_ = ::fork();
        if (child_ < 0)
            throw std::runtime_error("fork failed");
        if (child_ == 0) {
            ::close(fds[0]);
            int report = fds[1];
            transfer.onStep = [heldAt, report](TransferStep step) {
                if (step != heldAt)
                    return;
                char held = 1;
                if (::write(report, &held, 1) == 1)
                    for (;;)
                        ::pause();
            };
            try {
                operation(transfer);
            } catch (...) {
                // Ending without reaching the step is what the parent sees.
            }
            ::_exit(0);
        }
        ::close(fds[1]);
        reports_ = fds[0];
    }
    ~HeldTransfer() {
        kill();
        ::close(reports_);
    }
    HeldTransfer(const HeldTransfer&) = delete;
    HeldTransfer& operator=(const HeldTransfer&) = delete;

    // Whether the child is held at the step; false when it ended without reaching it.
    bool waitUntilHeld(std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
        pollfd fd{reports_, POLLIN, 0};
        int ready = 0;
        do
            ready = ::poll(&fd, 1, static_cast<int>(timeout.count()));
        while (ready < 0 && errno == EINTR);
        char held = 0;
        return ready == 1 && ::read(reports_, &held, 1) == 1;
    }

    // Kills the child at once, as a crash would; whether the kill ended it (rather than the
    // child having ended already).
    bool kill() {
        if (child_ <= 0)
            return false;
        ::kill(child_, SIGKILL);
        int status = 0;
        ::waitpid(child_, &status, 0);
        child_ = -1;
        return WIFSIGNALED(status);
    }

  private:
    pid_t child_ = -1;
    int reports_ = -1;
};

} // namespace marklode::test
