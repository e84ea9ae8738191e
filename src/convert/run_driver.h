// One conversion run over the selected files of the source file list.
#pragma once

#include <cstddef>
#include <stop_token>
#include <string>
#include <vector>

#include "common/log_sink.h"
#include "convert/conversion_context.h"

namespace kadoro {

struct FileListEntry {
    std::string name;  // bare file name, as the source file list shows it
    bool selected = false;
};

struct RunRequest {
    std::string sourceFolder;
    std::string destinationFolder;
    std::vector<FileListEntry> files;  // in list order
    RunOptions options;
};

// Where one selected file stands in the run.
struct FileProgress {
    std::size_t number = 0;  // 1 for the first selected file
    std::size_t count = 0;   // selected files in the run
    std::string name;
};

enum class FileOutcome {
    Converted,     // its converter succeeded
    Failed,        // its converter failed and logged why
    NotConverted,  // no converter takes its kind: only its name line is logged
    Stopped,       // the run stopped inside it (a .REL index): the images before are converted
};

struct FileResult {
    FileOutcome outcome = FileOutcome::NotConverted;
    int code = 0;  // its converter's historic result code; 0 when it had none
};

// Follows a run, for a front end that shows progress. Both calls come on the run's thread.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // A file is taken up.
    virtual void FileStarted(const FileProgress& /*progress*/) {}
    // A file is done, its copies durable and its log lines written. Calls come in run order,
    // a little after the file's start: copies commit in groups.
    virtual void FileFinished(const FileProgress& /*progress*/, const FileResult& /*result*/) {}
};

struct RunSummary {
    int converted = 0;         // files whose converter succeeded
    int failed = 0;            // files whose converter failed
    std::size_t selected = 0;  // files selected for the run
    std::size_t finished = 0;  // of them, files taken up and finished (stopped ones excluded)
    bool stopped = false;      // the stop request ended the run before its last file
    std::string lastExt;       // upper-cased extension of the last file taken up, "" when none
    // The source file list shows stale entries: sources were deleted, or the copies were made
    // into the listed folder itself (same folder text, compared case-sensitively).
    bool fileListNeedsReread = false;
};

// Empties the log, then for every selected file in order logs its name and hands it to the
// converter of its extension (.REL, .J6I, .JPG, any letter case); other files get only their
// name line. A failing file never stops the run. A stop request is honoured between files and
// between the images of an index; the copies made until then are committed and logged.
RunSummary RunConversion(const RunRequest& request, LogSink& log, RunObserver* observer = nullptr,
                         std::stop_token stop = {});

}  // namespace kadoro
