// The camera lines of a .JPG file's information report.
#pragma once

#include <string>

#include "common/log_sink.h"
#include "report/file_info_report.h"

namespace kadoro {

FileInfoResult AppendJpegReport(const std::string& path, LogSink& log);

}  // namespace kadoro
