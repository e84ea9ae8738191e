// What every converter of one run shares: the caller's options, the log, the names and the copies
// on their way to disk.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <unordered_map>

#include "common/log_sink.h"
#include "convert/copy_pipeline.h"
#include "convert/naming.h"
#include "convert/ordered_run_log.h"
#include "convert/pending_names.h"

namespace kadoro {

struct RunOptions {
    int schemeIndex = 0;        // 0-10, the scheme list's selected index
    bool deleteSource = false;  // "元ﾌｧｲﾙ削除": delete each source file once its copy is safe
};

// A copy that has been staged, with what the log and the names need to know of it.
struct StagedForCommit {
    StagedCopy staged;
    std::shared_ptr<const DestinationFolder> folder;
    std::string targetPath;  // the name found free, in the destination folder
    std::string targetName;
    std::string sourcePath;
    CopySlotLines lines;
    // The source's path spelled in the destination folder, when it lies there and is deleted.
    std::optional<std::string> sourceNameInDestination;
};

class ConversionContext {
public:
    // With EachCopy, as converters called on their own use it, every copy is committed before the
    // converter goes on; a run commits in groups.
    ConversionContext(LogSink& sink, RunOptions runOptions, CommitPace pace = CommitPace::EachCopy,
                      std::stop_token stopToken = {});
    // Commits what is still staged and writes its lines.
    ~ConversionContext();
    ConversionContext(const ConversionContext&) = delete;
    ConversionContext& operator=(const ConversionContext&) = delete;

    OrderedRunLog log;
    const RunOptions options;
    FreeNameMemo freeNames;
    PendingNames pendingNames;
    const std::stop_token stop;

    // The open destination folder, once per folder and run; nothing when it cannot be opened.
    std::shared_ptr<const DestinationFolder> DestinationFor(const std::string& folder);

    // Hands a staged copy on. Returns its settlement when it is settled already (EachCopy).
    std::optional<CopySettlement> Commit(StagedForCommit copy);

    // Writes the lines of the copies settled so far; with waitForAll, first commits every copy.
    void SettleCopies(bool waitForAll);

    // Before a source is read: when a copy in flight is about to delete it, lets that happen
    // first, so that the source is read as the run before it left it.
    void AwaitPendingDeletion(const std::string& sourcePath);

private:
    struct InFlight {
        std::string targetPath;
        std::string sourcePath;
        std::optional<std::string> sourceNameInDestination;
        bool deleteSource = false;
    };
    void Apply(const SettledCopy& settled);

    std::unordered_map<std::string, std::shared_ptr<const DestinationFolder>> destinations_;
    std::unordered_map<std::uint64_t, InFlight> inFlight_;
    std::unordered_set<std::string> sourcesToDelete_;
    std::uint64_t nextCopyId_ = 1;
    CopyPipeline pipeline_;  // last: it commits what is left before the rest goes
};

}  // namespace kadoro
