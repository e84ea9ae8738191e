// A log sink for a run on another thread: lines travel to the window's log in order, in batches.
#pragma once

#include <QObject>
#include <QStringList>

#include <mutex>
#include <string>
#include <vector>

#include "common/log_sink.h"

class QListWidget;

namespace kadoro {

// Written from the run's thread, shown on the window's thread. Lines gather while the window is
// busy and reach the list in one go, so that a run of thousands of files costs the window a few
// updates rather than one per line.
class QueuedLogSink : public QObject, public LogSink {
    Q_OBJECT

public:
    explicit QueuedLogSink(QListWidget& list);

    void Clear() override;
    void AppendLine(const std::string& line) override;
    void ScrollToEnd() override;

    // Shows what has gathered so far; the window's thread only.
    void ShowPending();

private:
    struct Change {
        enum class Kind { Clear, Line, Scroll } kind;
        std::string text;
    };
    void Queue(Change change);

    QListWidget& list_;
    std::mutex mutex_;
    std::vector<Change> pending_;
};

}  // namespace kadoro
