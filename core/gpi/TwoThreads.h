#pragma once

#include <exception>
#include <system_error>
#include <thread>

namespace marklode {

// Runs `first` on the calling thread and `second` on a thread of its own when `parallel`, else
// one after the other. Both have finished when it returns; an exception of `first`, else one of
// `second`, is then rethrown. Without a thread to spare the two simply run in turn.
template <typename First, typename Second>
void runBoth(bool parallel, First&& first, Second&& second) {
    std::thread thread;
    std::exception_ptr secondError;
    if (parallel) {
        try {
            thread = std::thread([&] {
                try {
                    second();
                } catch (...) {
                    secondError = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            parallel = false;
        }
    }
    if (!parallel) {
        first();
        second();
        return;
    }
    try {
        first();
    } catch (...) {
        thread.join();
        throw;
    }
    thread.join();
    if (secondError)
        std::rethrow_exception(secondError);
}

} // namespace marklode
