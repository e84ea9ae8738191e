// Waiting for SIGINT and SIGTERM on a thread of their own.
#include "cli/interrupt_watch.h"

#include <pthread.h>
#include <time.h>

namespace kadoro::cli {

InterruptWatch::InterruptWatch() {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals_, &previousMask_);
    // A signal that came before the watch began stops the run before its first file.
    const timespec now{0, 0};
    if (const int caught = sigtimedwait(&signals_, nullptr, &now); caught > 0) {
        signal_ = caught;
        stop_.request_stop();
        return;
    }
    watcher_ = std::jthread([this](std::stop_token done) {
        // Looks up every tenth of a second whether the watch is over.
        const timespec interval{0, 100'000'000};
        while (!done.stop_requested()) {
            const int caught = sigtimedwait(&signals_, nullptr, &interval);
            if (caught > 0) {
                signal_ = caught;
                stop_.request_stop();
                return;
            }
        }
    });
}

InterruptWatch::~InterruptWatch() {
    if (watcher_.joinable()) {
        watcher_.request_stop();
        watcher_.join();
    }
    // A second Ctrl+C that came during the run's last commit takes effect now.
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace kadoro::cli
