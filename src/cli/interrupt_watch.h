// Turning Ctrl+C into a stop request for a run.
#pragma once

#include <signal.h>

#include <atomic>
#include <stop_token>
#include <thread>

namespace kadoro::cli {

// While it lives, SIGINT and SIGTERM do not end the process: a thread of its own waits for them
// and requests a stop, so that the run finishes the file at hand, commits what it copied and
// returns. Nothing runs inside a signal handler. Construct it before any other thread starts, so
// that every thread keeps the signals blocked.
class InterruptWatch {
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    std::stop_token token() const { return stop_.get_token(); }
    // The signal that asked for the stop; 0 while none came.
    int signal() const { return signal_.load(); }

private:
    sigset_t signals_{};
    sigset_t previousMask_{};
    std::stop_source stop_;
    std::atomic<int> signal_{0};
    std::atomic<bool> finishing_{false};
    std::thread watcher_;
};

}  // namespace kadoro::cli
