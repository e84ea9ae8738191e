// The conversion run of the main window: "変更開始" and the two selection buttons of the source
// panel.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>

#include "convert/run_driver.h"

class QProgressDialog;

namespace kadoro {

class MessageBoxes;
class QueuedLogSink;
class TForm1;

// Runs the conversion off the window's thread: the log fills line by line while it goes, a
// window-modal progress dialog ("n / N") appears when the run takes longer than half a second,
// and its cancel button stops the run after the file at hand. While a run goes, the window's
// controls that start operations are disabled. Every run, a stopped one too, ends with the
// file-list re-read where needed and the closing box "変換終了しました.".
class ConversionRun : public QObject {
    Q_OBJECT

public:
    // Where the run reads its folders and how it re-reads the source file list: the folder
    // panel's, given by whoever puts the window together.
    struct Folders {
        std::function<std::string()> source;
        std::function<std::string()> destination;
        std::function<void()> rereadFileList;
        // The name on disk of the file list's row; without it, the row's text encoded.
        std::function<std::string(int)> fileNameAt;
    };

    ConversionRun(TForm1& form, MessageBoxes& boxes, Folders folders);
    ~ConversionRun() override;

    void Button2Click();   // start a run
    void Button3Click();   // select every file
    void Button17Click();  // select none

    bool Running() const { return worker_.joinable(); }

signals:
    // After the closing box of a run.
    void Finished(const kadoro::RunSummary& summary);

private:
    class ProgressRelay;

    RunRequest MakeRequest() const;
    void SetOperationsEnabled(bool enabled);
    void ShowProgress(std::size_t number, std::size_t count);
    void Finish(RunSummary summary);

    TForm1& form_;
    MessageBoxes& boxes_;
    Folders folders_;
    std::unique_ptr<QueuedLogSink> log_;
    std::unique_ptr<ProgressRelay> progress_;
    QPointer<QProgressDialog> dialog_;
    std::stop_source stop_;
    std::thread worker_;
};

}  // namespace kadoro
