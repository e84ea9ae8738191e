// kadoro-cli info.
#include "cli/info_command.h"

#include <clocale>
#include <cstdio>

#include "cli/exit_codes.h"
#include "cli/printing_log_sink.h"
#include "report/file_info_report.h"

namespace kadoro::cli {

int RunInfoCommand(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1 || arguments[0].empty()) {
        std::fprintf(stderr, "kadoro-cli info: exactly one FILE is needed\nusage: %s\n",
                     kInfoUsage);
        return kExitUsage;
    }
    // The time stamp follows the user's locale, as the window follows the desktop's.
    std::setlocale(LC_TIME, "");
    PrintingLogSink log;
    const FileInfoResult result = ShowFileInfo(arguments[0], log, &FormatTimeStampWithCLibrary);
    std::fflush(stdout);
    return static_cast<int>(result);
}

}  // namespace kadoro::cli
