// The copies of a run between staging and their durable names: the run's own thread stages them,
// a committer thread commits them in groups while the next ones are being copied.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_set>
#include <vector>

#include "convert/group_commit.h"

namespace kadoro {

enum class CommitPace {
    EachCopy,  // every copy is committed before Submit returns, on the caller's thread
    Grouped,   // copies are committed in groups by a thread of their own
};

class CopyPipeline {
public:
    explicit CopyPipeline(CommitPace pace);
    // Commits whatever is still staged.
    ~CopyPipeline();
    CopyPipeline(const CopyPipeline&) = delete;
    CopyPipeline& operator=(const CopyPipeline&) = delete;

    // Hands a staged copy on. When too many copies are in flight, waits for a group to commit.
    void Submit(PendingCopy copy);

    // The copies settled since the last call, in the order they were handed on. With waitForAll,
    // first commits everything handed on so far, without waiting for a group to fill.
    std::vector<SettledCopy> TakeSettled(bool waitForAll);

private:
    void CommitLoop(std::stop_token stop);
    // Under the lock: the next group, or nothing when the committer should wait on.
    bool GroupReady(const std::stop_token& stop) const;

    const CommitPace pace_;
    const std::size_t maxInFlight_;
    std::mutex mutex_;
    std::condition_variable_any changed_;
    std::deque<PendingCopy> queue_;
    std::chrono::steady_clock::time_point oldestQueued_;
    std::vector<SettledCopy> settled_;
    std::size_t inFlight_ = 0;
    std::size_t urgentWaiters_ = 0;
    std::unordered_set<CopyChain> brokenChains_;  // the committer's own
    std::jthread committer_;                      // last: it stops and joins first
};

}  // namespace kadoro
