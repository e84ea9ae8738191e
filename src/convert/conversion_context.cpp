// The run's copies between the converters, the pipeline, the names and the log.
#include "convert/conversion_context.h"

#include <utility>

namespace kadoro {

ConversionContext::ConversionContext(LogSink& sink, RunOptions runOptions, CommitPace pace,
                                     std::stop_token stopToken)
    : log(sink), options(runOptions), stop(std::move(stopToken)), pipeline_(pace) {
    pendingNames.settleAll = [this] { SettleCopies(true); };
}

ConversionContext::~ConversionContext() {
    SettleCopies(true);
}

std::shared_ptr<const DestinationFolder> ConversionContext::DestinationFor(
    const std::string& folder) {
    auto& destination = destinations_[folder];
    if (!destination) {
        if (auto opened = DestinationFolder::Open(folder)) {
            destination = std::make_shared<const DestinationFolder>(std::move(*opened));
        }
    }
    return destination;
}

std::optional<CopySettlement> ConversionContext::Commit(StagedForCommit copy) {
    const std::uint64_t id = nextCopyId_++;
    pendingNames.Reserve(copy.targetPath);
    if (copy.sourceNameInDestination) {
        pendingNames.ExpectDeletion(*copy.sourceNameInDestination);
        // Its name in the destination will be free again: searches start from the base name.
        freeNames.Forget();
    }
    const bool deleteSource = !copy.lines.deletedLine.empty();
    if (deleteSource) sourcesToDelete_.insert(copy.sourcePath);
    inFlight_[id] = {copy.targetPath, copy.sourcePath, copy.sourceNameInDestination, deleteSource};
    log.AddCopy(id, std::move(copy.lines));

    PendingCopy pending;
    pending.id = id;
    pending.folder = std::move(copy.folder);
    pending.staged = std::move(copy.staged);
    pending.targetName = std::move(copy.targetName);
    pending.sourcePath = std::move(copy.sourcePath);
    pending.deleteSource = deleteSource;
    pending.chain = log.CurrentChain();
    pipeline_.Submit(std::move(pending));

    std::optional<CopySettlement> settlement;
    for (const SettledCopy& settled : pipeline_.TakeSettled(false)) {
        if (settled.id == id) settlement = settled.settlement;
        Apply(settled);
    }
    return settlement;
}

void ConversionContext::SettleCopies(bool waitForAll) {
    for (const SettledCopy& settled : pipeline_.TakeSettled(waitForAll))
        Apply(settled);
}

void ConversionContext::AwaitPendingDeletion(const std::string& sourcePath) {
    if (sourcesToDelete_.contains(sourcePath)) SettleCopies(true);
}

void ConversionContext::Apply(const SettledCopy& settled) {
    const auto found = inFlight_.find(settled.id);
    if (found == inFlight_.end()) return;
    const InFlight copy = std::move(found->second);
    inFlight_.erase(found);

    pendingNames.Release(copy.targetPath);
    // A name reserved in vain, or freed by a deletion, may lie below where a search now starts.
    if (settled.settlement != CopySettlement::Committed &&
        settled.settlement != CopySettlement::DeleteFailed) {
        freeNames.Forget();
    }
    if (copy.deleteSource) sourcesToDelete_.erase(copy.sourcePath);
    if (copy.sourceNameInDestination) {
        pendingNames.DeletionSettled(*copy.sourceNameInDestination);
        if (settled.sourceDeleted) freeNames.Forget();
    }
    log.SettleCopy(settled.id, settled.settlement);
}

}  // namespace kadoro
