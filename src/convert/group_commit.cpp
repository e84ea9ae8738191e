// The commit of one group of staged copies.
#include "convert/group_commit.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>

#include "platform/file_operations.h"

namespace kadoro {
namespace {

class GroupCommit {
public:
    GroupCommit(std::vector<PendingCopy>& group, std::unordered_set<CopyChain>& brokenChains)
        : group_(group),
          brokenChains_(brokenChains),
          brokenBefore_(brokenChains),
          settled_(group.size()),
          placed_(group.size()) {
        for (std::size_t i = 0; i < group_.size(); ++i)
            settled_[i].id = group_[i].id;
    }

    std::vector<SettledCopy> Run() {
        const DestinationFolder& folder = *group_.front().folder;
        WithdrawBrokenChains();
        if (!folder.MakeDurable(Unsettled())) {
            FailEveryOpenCopy();
            return settled_;
        }
        PlaceInOrder();
        if (AnyPlaced() && !folder.FlushEntries()) {
            FailEveryOpenCopy();
            return settled_;
        }
        DeleteSourcesInOrder();
        return settled_;
    }

private:
    bool IsOpen(std::size_t i) const { return !done_.contains(i); }

    // Whether a copy before this one in its chain failed, in an earlier group or in this one.
    bool ChainBroken(std::size_t i) const {
        const CopyChain chain = group_[i].chain;
        if (chain == kNoChain) return false;
        if (brokenBefore_.contains(chain)) return true;
        const auto failed = firstFailure_.find(chain);
        return failed != firstFailure_.end() && failed->second < i;
    }

    void Settle(std::size_t i, CopySettlement settlement) {
        settled_[i].settlement = settlement;
        done_.insert(i);
        const CopyChain chain = group_[i].chain;
        if (settlement == CopySettlement::Committed || chain == kNoChain) return;
        brokenChains_.insert(chain);
        const auto [failed, first] = firstFailure_.emplace(chain, i);
        if (!first) failed->second = std::min(failed->second, i);
    }

    // Drops the copy, placed or not; its source stays.
    void Undo(std::size_t i, CopySettlement settlement) {
        const DestinationFolder& folder = *group_[i].folder;
        if (placed_[i]) {
            folder.Remove(group_[i].targetName);
            placed_[i] = false;
        } else {
            folder.Discard(group_[i].staged);
        }
        Settle(i, settlement);
    }

    void WithdrawBrokenChains() {
        for (std::size_t i = 0; i < group_.size(); ++i) {
            if (ChainBroken(i)) Undo(i, CopySettlement::Withdrawn);
        }
    }

    std::vector<StagedCopy*> Unsettled() {
        std::vector<StagedCopy*> copies;
        for (std::size_t i = 0; i < group_.size(); ++i) {
            if (IsOpen(i)) copies.push_back(&group_[i].staged);
        }
        return copies;
    }

    // Within a chain, the first copy fails and the rest are withdrawn.
    void FailOrWithdraw(std::size_t i) {
        Undo(i, ChainBroken(i) ? CopySettlement::Withdrawn : CopySettlement::CopyFailed);
    }

    // A failed flush covers every copy not settled yet, placed or not.
    void FailEveryOpenCopy() {
        for (std::size_t i = 0; i < group_.size(); ++i) {
            if (IsOpen(i)) FailOrWithdraw(i);
        }
    }

    void PlaceInOrder() {
        for (std::size_t i = 0; i < group_.size(); ++i) {
            if (!IsOpen(i)) continue;
            if (ChainBroken(i)) {
                Undo(i, CopySettlement::Withdrawn);
                continue;
            }
            PendingCopy& copy = group_[i];
            if (copy.folder->Place(copy.staged, copy.targetName) == PlaceResult::Placed) {
                placed_[i] = true;
            } else {
                // A name taken behind the run's back since it was found free: never replaced.
                Undo(i, CopySettlement::CopyFailed);
            }
        }
    }

    bool AnyPlaced() const {
        for (const bool placed : placed_) {
            if (placed) return true;
        }
        return false;
    }

    void DeleteSourcesInOrder() {
        for (std::size_t i = 0; i < group_.size(); ++i) {
            if (!IsOpen(i)) continue;
            if (ChainBroken(i)) {
                Undo(i, CopySettlement::Withdrawn);
                continue;
            }
            const PendingCopy& copy = group_[i];
            if (!copy.deleteSource) {
                Settle(i, CopySettlement::Committed);
                continue;
            }
            switch (DeleteFileChecked(copy.sourcePath, &copy.staged.source())) {
                case DeleteOutcome::Deleted:
                    settled_[i].sourceDeleted = true;
                    Settle(i, CopySettlement::Committed);
                    break;
                case DeleteOutcome::Changed:
                    // The copy is of a file that is not there any more: it counts as failed.
                    Undo(i, CopySettlement::CopyFailed);
                    break;
                case DeleteOutcome::ReadOnly:
                case DeleteOutcome::Failed:
                    Settle(i, CopySettlement::DeleteFailed);
                    break;
            }
        }
    }

    std::vector<PendingCopy>& group_;
    std::unordered_set<CopyChain>& brokenChains_;
    const std::unordered_set<CopyChain> brokenBefore_;
    std::unordered_map<CopyChain, std::size_t> firstFailure_;  // index of its first failed copy
    std::vector<SettledCopy> settled_;
    std::vector<bool> placed_;
    std::unordered_set<std::size_t> done_;
};

}  // namespace

std::vector<SettledCopy> CommitGroup(std::vector<PendingCopy>& group,
                                     std::unordered_set<CopyChain>& brokenChains) {
    if (group.empty()) return {};
    return GroupCommit(group, brokenChains).Run();
}

}  // namespace kadoro
