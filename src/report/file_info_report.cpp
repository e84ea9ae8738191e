// The general lines of the information report, and the choice of camera report by extension.
#include "report/file_info_report.h"

#include <cinttypes>

#include "common/format_text.h"
#include "common/system_texts.h"
#include "platform/file_facts.h"
#include "platform/path_text.h"
#include "report/j6i_report.h"
#include "report/jpeg_report.h"
#include "report/report_lines.h"

namespace kadoro {
namespace {

// The time stamp is shown in the two-second steps of a DOS time, as the camera cards keep it.
std::tm InTwoSecondSteps(std::tm local) {
    local.tm_sec -= local.tm_sec % 2;
    return local;
}

bool IsMidnight(const std::tm& local) {
    return local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0;
}

}  // namespace

std::string FormatTimeStampWithCLibrary(const std::tm& local, bool withTime) {
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, withTime ? "%x %X" : "%x", &local);
    return std::string(text, length);
}

FileInfoResult ShowFileInfo(const std::string& path, LogSink& log,
                            const TimeStampFormatter& formatTimeStamp) {
    log.Clear();
    log.AppendLine(FormatText(texts::kReportTitle, std::string(FileNamePart(path)).c_str()));

    const auto facts = ExamineFile(path);
    if (!facts) {
        log.AppendLine(texts::kReportCannotOpen);
        return FileInfoResult::CannotOpen;
    }
    log.AppendLine(FormatText(texts::kReportFileSize, facts->size));
    const std::tm stamp = InTwoSecondSteps(facts->lastWriteLocal);
    log.AppendLine(texts::kReportTimeStampLabel + formatTimeStamp(stamp, !IsMidnight(stamp)));

    const std::string extension = UpperCasedExtension(FileNamePart(path));
    if (extension == ".REL") return FileInfoResult::RelIndex;
    if (extension == ".J6I") return AppendJ6iReport(path, log);
    if (extension == ".JPG") return AppendJpegReport(path, log);
    return FileInfoResult::Complete;
}

}  // namespace kadoro
