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
    watcher_ = std::thread([this] {
        int caught = 0;
        if (sigwait(&signals_, &caught) != 0 || finishing_) return;
        signal_ = caught;
        stop_.request_stop();
    });
}

InterruptWatch::~InterruptWatch() {
    if (watcher_.joinable()) {
        // The watcher is woken by a signal of its own, which it then knows not to take for one
        // of the user's.
        finishing_ = true;
        if (signal_ == 0) pthread_kill(watcher_.native_handle(), SIGTERM);
        watcher_.join();
    }
    // A second Ctrl+C that came during the run's last commit takes effect now.
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace kadoro::cli
