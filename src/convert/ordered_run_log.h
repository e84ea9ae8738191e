// The run's log in run order while copies are still on their way to disk.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>

#include "common/log_sink.h"
#include "convert/group_commit.h"

namespace kadoro {

// What a copy writes to the log once it is settled.
struct CopySlotLines {
    std::string copyErrorLine;  // the converter's own wording of a failed copy
    std::string deletedLine;    // "削除[...]" when its source is to be deleted, else empty
};

// Lines written after a copy that is not settled yet wait for it; when it settles, its own lines
// and the waiting ones reach the sink in the order they were written, so the log reads as if
// every copy had been finished before the next line. Within an entry (one selected file), a copy
// that fails ends the entry's log: what the entry wrote after it is dropped, as a converter that
// stopped at that copy would never have written it.
class OrderedRunLog : public LogSink {
public:
    // Called once the entry's lines have all reached the sink, with the copy failure that ended
    // it early, if any.
    using EntryFinished = std::function<void(std::optional<CopySettlement> failure)>;

    explicit OrderedRunLog(LogSink& sink) : sink_(sink) {}

    void Clear() override { sink_.Clear(); }
    void AppendLine(const std::string& line) override { Add(Line{line}); }
    void ScrollToEnd() override { Add(Scroll{}); }

    void BeginEntry();
    void EndEntry(EntryFinished finished);
    // The chain that copies added now belong to: the entry's, or none outside entries.
    CopyChain CurrentChain() const { return inEntry_ ? entryNumber_ : kNoChain; }

    void AddCopy(std::uint64_t copyId, CopySlotLines lines);
    void SettleCopy(std::uint64_t copyId, CopySettlement settlement);

private:
    struct Line {
        std::string text;
    };
    struct Scroll {};
    struct Copy {
        std::uint64_t id;
        CopySlotLines lines;
    };
    struct EntryStart {};
    struct EntryEnd {
        EntryFinished finished;
    };
    using Part = std::variant<Line, Scroll, Copy, EntryStart, EntryEnd>;

    void Add(Part part);
    // Passes on the parts at the front that wait for nothing.
    void Release();
    // Passes one part on; false when it is a copy that is not settled yet.
    bool Pass(Part& part);
    void WriteCopyLines(const CopySlotLines& lines, CopySettlement settlement);

    LogSink& sink_;
    std::deque<Part> waiting_;
    std::unordered_map<std::uint64_t, CopySettlement> settled_;
    bool inEntry_ = false;
    CopyChain entryNumber_ = kNoChain;
    // Of the entry whose parts are being passed on.
    bool passingEntry_ = false;
    std::optional<CopySettlement> entryFailure_;
};

}  // namespace kadoro
