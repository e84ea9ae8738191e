// The information report of one file: name, size, time stamp and the camera data inside it.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "common/log_sink.h"

namespace kadoro {

enum class FileInfoResult : int {
    Complete = 0,       // a full .J6I or .JPG report, or the general lines of any other file
    RelIndex = 1,       // a .REL index: the general lines only
    LayoutDiffers = 2,  // not a J6I header, or no readable camera text in the JPEG file
    CannotOpen = 3,
    HeaderShort = 4,  // the .J6I header cannot be read in full
};

// Formats the file's time stamp, already in local time: the date alone when withTime is false.
using TimeStampFormatter = std::function<std::string(const std::tm& local, bool withTime)>;

// The C library's date and time of the current LC_TIME locale ("%x" and "%X").
std::string FormatTimeStampWithCLibrary(const std::tm& local, bool withTime);

// Empties the log and writes the report of the file at path into it.
FileInfoResult ShowFileInfo(const std::string& path, LogSink& log,
                            const TimeStampFormatter& formatTimeStamp);

}  // namespace kadoro
