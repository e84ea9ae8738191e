// Holding back and releasing the run's log lines.
#include "convert/ordered_run_log.h"

#include "common/system_texts.h"

namespace kadoro {

void OrderedRunLog::BeginEntry() {
    inEntry_ = true;
    ++entryNumber_;
    Add(EntryStart{});
}

void OrderedRunLog::EndEntry(EntryFinished finished) {
    inEntry_ = false;
    Add(EntryEnd{std::move(finished)});
}

void OrderedRunLog::AddCopy(std::uint64_t copyId, CopySlotLines lines) {
    Add(Copy{copyId, std::move(lines)});
}

void OrderedRunLog::SettleCopy(std::uint64_t copyId, CopySettlement settlement) {
    settled_[copyId] = settlement;
    Release();
}

void OrderedRunLog::Add(Part part) {
    if (waiting_.empty() && Pass(part)) return;
    waiting_.push_back(std::move(part));
}

void OrderedRunLog::Release() {
    while (!waiting_.empty() && Pass(waiting_.front()))
        waiting_.pop_front();
}

bool OrderedRunLog::Pass(Part& part) {
    if (auto* copy = std::get_if<Copy>(&part)) {
        const auto found = settled_.find(copy->id);
        if (found == settled_.end()) return false;
        const CopySettlement settlement = found->second;
        settled_.erase(found);
        if (!entryFailure_) WriteCopyLines(copy->lines, settlement);
        return true;
    }
    if (std::holds_alternative<EntryStart>(part)) {
        entryFailure_.reset();
        passingEntry_ = true;
    } else if (auto* end = std::get_if<EntryEnd>(&part)) {
        passingEntry_ = false;
        const auto failure = std::exchange(entryFailure_, std::nullopt);
        if (end->finished) end->finished(failure);
    } else if (entryFailure_) {
        // The entry stopped at a failed copy: what it wrote after that is not passed on.
    } else if (const auto* line = std::get_if<Line>(&part)) {
        sink_.AppendLine(line->text);
    } else {
        sink_.ScrollToEnd();
    }
    return true;
}

void OrderedRunLog::WriteCopyLines(const CopySlotLines& lines, CopySettlement settlement) {
    switch (settlement) {
        case CopySettlement::Committed:
            if (!lines.deletedLine.empty()) sink_.AppendLine(lines.deletedLine);
            return;
        case CopySettlement::CopyFailed:
            sink_.AppendLine(lines.copyErrorLine);
            break;
        case CopySettlement::DeleteFailed:
            sink_.AppendLine(lines.deletedLine);
            sink_.AppendLine(texts::kDeleteFailed);
            break;
        case CopySettlement::Withdrawn:
            break;
    }
    // Only inside an entry does a failure end anything.
    if (passingEntry_) entryFailure_ = settlement;
}

}  // namespace kadoro
