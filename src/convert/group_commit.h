// Committing a group of staged copies: one flush for all their data, then their names in order,
// one flush of the folder, and only then the deletion of their sources.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/staged_copy.h"

namespace kadoro {

// Copies of one chain (the images of one .REL index, or the one copy of an image) stop at the
// first that fails, as a walk over them one by one would: the later ones are withdrawn.
using CopyChain = std::uint64_t;
inline constexpr CopyChain kNoChain = 0;

struct PendingCopy {
    std::uint64_t id = 0;
    std::shared_ptr<const DestinationFolder> folder;
    StagedCopy staged;
    std::string targetName;  // reserved for it in folder
    std::string sourcePath;
    bool deleteSource = false;
    CopyChain chain = kNoChain;
};

enum class CopySettlement {
    Committed,     // durable under its name; its source deleted when that was asked
    CopyFailed,    // nothing under its name; its source untouched
    DeleteFailed,  // durable under its name; its source could not be deleted
    Withdrawn,     // an earlier copy of its chain failed: not copied, source untouched
};

struct SettledCopy {
    std::uint64_t id = 0;
    CopySettlement settlement = CopySettlement::CopyFailed;
    bool sourceDeleted = false;
};

// Commits the copies, all staged in one folder, in their order. A failed flush of the data or of
// the folder cannot be laid at one copy's door: every copy it covers fails and its source stays.
// brokenChains carries the chains that failed from one group to the next.
std::vector<SettledCopy> CommitGroup(std::vector<PendingCopy>& group,
                                     std::unordered_set<CopyChain>& brokenChains);

}  // namespace kadoro
