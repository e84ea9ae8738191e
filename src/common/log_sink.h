// Where the core writes its log lines: the main window's log list, the terminal, or a test.
#pragma once

#include <string>
#include <vector>

namespace kadoro {

class LogSink {
public:
    virtual ~LogSink() = default;
    // Empties the log; every operation that writes a log starts with this.
    virtual void Clear() = 0;
    virtual void AppendLine(const std::string& line) = 0;
    // Brings the last line into view; a sink without a view ignores it.
    virtual void ScrollToEnd() {}
};

// Keeps the lines in memory, for the command line's summary and for tests.
class CollectingLogSink : public LogSink {
public:
    void Clear() override { lines_.clear(); }
    void AppendLine(const std::string& line) override { lines_.push_back(line); }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace kadoro
