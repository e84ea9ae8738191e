// Names that copies still on their way to disk have claimed, or will free by deleting their
// sources, so that the free-name search finds the names a search after every earlier copy had
// finished would find.
#pragma once

#include <functional>
#include <string>
#include <unordered_set>

namespace kadoro {

class PendingNames {
public:
    // A staged copy will take this name: it counts as taken.
    void Reserve(const std::string& path) { reserved_.insert(path); }
    void Release(const std::string& path) { reserved_.erase(path); }
    bool IsReserved(const std::string& path) const { return reserved_.contains(path); }

    // A staged copy will delete its source at this path.
    void ExpectDeletion(const std::string& path) { deletions_.insert(path); }
    void DeletionSettled(const std::string& path) { deletions_.erase(path); }
    bool IsDeletionExpected(const std::string& path) const { return deletions_.contains(path); }

    // Settles every copy in flight, so that the names above are what they will be; set by the
    // run that owns the copies.
    std::function<void()> settleAll;

private:
    std::unordered_set<std::string> reserved_;
    std::unordered_set<std::string> deletions_;
};

}  // namespace kadoro
