// The main window's conversion run on a thread of its own.
#include "app/conversion_run.h"

#include <QFile>
#include <QMetaObject>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <atomic>

#include "app/form1.h"
#include "app/message_boxes.h"
#include "app/queued_log_sink.h"
#include "common/system_texts.h"

namespace kadoro {

// Tells the window, on its own thread, which file the run has taken up. The number travels by
// itself; the window looks at it a tenth of a second after a file starts, and not again before
// then, so that a run of thousands of small files does not flood it with updates (a modal
// progress dialog handles the window's events on every change).
class ConversionRun::ProgressRelay : public RunObserver {
public:
    explicit ProgressRelay(ConversionRun& run) : run_(run) {}

    void FileStarted(const FileProgress& progress) override {
        count_ = progress.count;
        number_ = progress.number;
        if (posted_.exchange(true)) return;
        QMetaObject::invokeMethod(
            &run_,
            [this] {
                QTimer::singleShot(100, &run_, [this] {
                    posted_ = false;
                    run_.ShowProgress(number_, count_);
                });
            },
            Qt::QueuedConnection);
    }

private:
    ConversionRun& run_;
    std::atomic<std::size_t> number_{0};
    std::atomic<std::size_t> count_{0};
    std::atomic<bool> posted_{false};
};

ConversionRun::ConversionRun(TForm1& form, MessageBoxes& boxes, Folders folders)
    : form_(form),
      boxes_(boxes),
      folders_(std::move(folders)),
      log_(std::make_unique<QueuedLogSink>(*form.ListBox1)),
      progress_(std::make_unique<ProgressRelay>(*this)) {
    connect(form_.Button2, &QPushButton::clicked, this, &ConversionRun::Button2Click);
    connect(form_.Button3, &QPushButton::clicked, this, &ConversionRun::Button3Click);
    connect(form_.Button17, &QPushButton::clicked, this, &ConversionRun::Button17Click);
}

ConversionRun::~ConversionRun() {
    if (worker_.joinable()) {
        stop_.request_stop();
        worker_.join();
    }
}

void ConversionRun::Button3Click() {
    form_.FileListBox1->selectAll();
}

void ConversionRun::Button17Click() {
    form_.FileListBox1->clearSelection();
}

RunRequest ConversionRun::MakeRequest() const {
    RunRequest request;
    request.sourceFolder = folders_.source();
    request.destinationFolder = folders_.destination();
    const QListWidget& list = *form_.FileListBox1;
    request.files.reserve(static_cast<std::size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        std::string name = folders_.fileNameAt ? folders_.fileNameAt(row)
                                               : QFile::encodeName(item->text()).toStdString();
        request.files.push_back({std::move(name), item->isSelected()});
    }
    request.options.schemeIndex = form_.ComboBox1->currentIndex();
    request.options.deleteSource = form_.CheckBox1->isChecked();
    return request;
}

void ConversionRun::Button2Click() {
    if (Running()) return;
    RunRequest request = MakeRequest();
    const auto selected = std::count_if(request.files.begin(), request.files.end(),
                                        [](const FileListEntry& entry) { return entry.selected; });

    stop_ = std::stop_source();
    SetOperationsEnabled(false);
    dialog_ = new QProgressDialog(QString(), QString::fromUtf8("ｷｬﾝｾﾙ"), 0,
                                  static_cast<int>(selected), &form_);
    dialog_->setObjectName(QStringLiteral("ConversionProgress"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    // Shown only when the run takes longer than this.
    dialog_->setMinimumDuration(500);
    dialog_->setValue(0);
    connect(dialog_, &QProgressDialog::canceled, this, [this] { stop_.request_stop(); });

    worker_ = std::thread([this, request = std::move(request), stop = stop_.get_token()] {
        RunSummary summary = RunConversion(request, *log_, progress_.get(), stop);
        QMetaObject::invokeMethod(
            this, [this, summary = std::move(summary)] { Finish(summary); }, Qt::QueuedConnection);
    });
}

void ConversionRun::ShowProgress(std::size_t number, std::size_t count) {
    if (!dialog_) return;
    dialog_->setLabelText(QStringLiteral("%1 / %2").arg(number).arg(count));
    dialog_->setValue(static_cast<int>(number) - 1);
}

void ConversionRun::Finish(RunSummary summary) {
    worker_.join();
    log_->ShowPending();
    delete dialog_;
    SetOperationsEnabled(true);
    form_.LastExt = summary.lastExt;
    if (summary.fileListNeedsReread && folders_.rereadFileList) folders_.rereadFileList();
    boxes_.Inform(&form_, QString::fromUtf8(texts::kConversionFinished));
    emit Finished(summary);
}

void ConversionRun::SetOperationsEnabled(bool enabled) {
    // The groups' own controls keep their states and get them back with their group.
    for (QWidget* widget :
         {static_cast<QWidget*>(form_.GroupBox1), static_cast<QWidget*>(form_.GroupBox2),
          static_cast<QWidget*>(form_.GroupBox3), static_cast<QWidget*>(form_.Button1),
          static_cast<QWidget*>(form_.Button2), static_cast<QWidget*>(form_.CheckBox1),
          static_cast<QWidget*>(form_.ComboBox1)}) {
        widget->setEnabled(enabled);
    }
}

}  // namespace kadoro
