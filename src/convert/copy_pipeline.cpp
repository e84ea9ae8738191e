// The committer thread and the hand-over between it and the run.
#include "convert/copy_pipeline.h"

#include <algorithm>
#include <utility>

namespace kadoro {
namespace {

// A group is committed when this many copies wait, or when its oldest copy has waited this long:
// big enough that one flush serves many files, short enough that the log keeps moving.
constexpr std::size_t kGroupSize = 128;
constexpr auto kGroupWait = std::chrono::milliseconds(50);

}  // namespace

CopyPipeline::CopyPipeline(CommitPace pace) : pace_(pace), maxInFlight_(MaxOpenStagedCopies()) {
    if (pace_ == CommitPace::Grouped) {
        committer_ = std::jthread([this](std::stop_token stop) { CommitLoop(stop); });
    }
}

CopyPipeline::~CopyPipeline() {
    TakeSettled(true);
}

void CopyPipeline::Submit(PendingCopy copy) {
    if (pace_ == CommitPace::EachCopy) {
        std::vector<PendingCopy> group;
        group.push_back(std::move(copy));
        auto settled = CommitGroup(group, brokenChains_);
        const std::lock_guard lock(mutex_);
        settled_.insert(settled_.end(), settled.begin(), settled.end());
        return;
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return inFlight_ < maxInFlight_; });
    if (queue_.empty()) oldestQueued_ = std::chrono::steady_clock::now();
    queue_.push_back(std::move(copy));
    ++inFlight_;
    changed_.notify_all();
}

std::vector<SettledCopy> CopyPipeline::TakeSettled(bool waitForAll) {
    std::unique_lock lock(mutex_);
    if (waitForAll && inFlight_ > 0) {
        ++urgentWaiters_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return inFlight_ == 0; });
        --urgentWaiters_;
    }
    return std::exchange(settled_, {});
}

bool CopyPipeline::GroupReady(const std::stop_token& stop) const {
    return queue_.size() >= std::min(kGroupSize, maxInFlight_) || urgentWaiters_ > 0 ||
           stop.stop_requested();
}

void CopyPipeline::CommitLoop(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, stop, [this] { return !queue_.empty(); });
        if (queue_.empty()) return;  // asked to stop with nothing left to commit
        changed_.wait_until(lock, stop, oldestQueued_ + kGroupWait,
                            [&] { return GroupReady(stop); });

        // One group commits into one folder.
        std::vector<PendingCopy> group;
        const DestinationFolder* folder = queue_.front().folder.get();
        while (!queue_.empty() && group.size() < kGroupSize &&
               queue_.front().folder.get() == folder) {
            group.push_back(std::move(queue_.front()));
            queue_.pop_front();
        }
        if (!queue_.empty()) oldestQueued_ = std::chrono::steady_clock::now();

        lock.unlock();
        auto settled = CommitGroup(group, brokenChains_);
        lock.lock();
        settled_.insert(settled_.end(), settled.begin(), settled.end());
        inFlight_ -= group.size();
        changed_.notify_all();
    }
}

}  // namespace kadoro
