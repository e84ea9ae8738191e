// Gathering log lines on the run's thread and showing them on the window's.
#include "app/queued_log_sink.h"

#include <QListWidget>
#include <QMetaObject>
#include <QTimer>

#include <utility>

namespace kadoro {
namespace {

constexpr int kBatchMilliseconds = 40;

}  // namespace

QueuedLogSink::QueuedLogSink(QListWidget& list) : list_(list) {}

void QueuedLogSink::Clear() {
    Queue({Change::Kind::Clear, {}});
}

void QueuedLogSink::AppendLine(const std::string& line) {
    Queue({Change::Kind::Line, line});
}

void QueuedLogSink::ScrollToEnd() {
    Queue({Change::Kind::Scroll, {}});
}

void QueuedLogSink::Queue(Change change) {
    bool first = false;
    {
        const std::lock_guard lock(mutex_);
        first = pending_.empty();
        pending_.push_back(std::move(change));
    }
    // The first line of a batch asks the window's thread to show, a moment later, everything
    // that gathered by then: a few updates a second rather than one per line.
    if (first) {
        QMetaObject::invokeMethod(
            this,
            [this] { QTimer::singleShot(kBatchMilliseconds, this, &QueuedLogSink::ShowPending); },
            Qt::QueuedConnection);
    }
}

void QueuedLogSink::ShowPending() {
    std::vector<Change> changes;
    {
        const std::lock_guard lock(mutex_);
        changes.swap(pending_);
    }
    QStringList lines;
    bool scroll = false;
    const auto addLines = [&] {
        if (!lines.isEmpty()) list_.addItems(lines);
        lines.clear();
    };
    for (const Change& change : changes) {
        switch (change.kind) {
            case Change::Kind::Clear:
                lines.clear();
                list_.clear();
                break;
            case Change::Kind::Line:
                lines.append(QString::fromUtf8(change.text.data(),
                                               static_cast<qsizetype>(change.text.size())));
                break;
            case Change::Kind::Scroll:
                scroll = true;
                break;
        }
    }
    addLines();
    // The last line as the top line, as far as the list can scroll.
    if (scroll && list_.count() > 0) {
        list_.scrollToItem(list_.item(list_.count() - 1), QAbstractItemView::PositionAtTop);
    }
}

}  // namespace kadoro
