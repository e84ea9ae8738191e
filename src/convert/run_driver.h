// One conversion run over the selected files of the source file list.
#pragma once

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

struct RunSummary {
    int converted = 0;    // converters that returned 0
    int failed = 0;       // converters that returned anything else
    std::string lastExt;  // upper-cased extension of the last selected file, "" when none
    // The source file list shows stale entries: sources were deleted, or the copies were made
    // into the listed folder itself (same folder text, compared case-sensitively).
    bool fileListNeedsReread = false;
};

// Empties the log, then for every selected file in order logs its name and hands it to the
// converter of its extension (.REL, .J6I, .JPG, any letter case); other files get only their
// name line. A failing file never stops the run.
RunSummary RunConversion(const RunRequest& request, LogSink& log);

}  // namespace kadoro
