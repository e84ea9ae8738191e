// The .J6I part of the information report: shooting date, DSC version, header size, DC version.
#include "report/j6i_report.h"

#include "common/format_text.h"
#include "common/system_texts.h"
#include "readers/j6i_header.h"
#include "report/report_lines.h"

namespace kadoro {

FileInfoResult AppendJ6iReport(const std::string& path, LogSink& log) {
    J6iHeader header;
    switch (ReadJ6iHeader(path, header)) {
        case J6iReadResult::CannotOpen:
            log.AppendLine(texts::kJ6iCannotOpen);
            return FileInfoResult::CannotOpen;
        case J6iReadResult::ShortRead:
            log.AppendLine(texts::kJ6iReadError);
            return FileInfoResult::HeaderShort;
        case J6iReadResult::NotJ6i:
            log.AppendLine(texts::kNotJ6i);
            return FileInfoResult::LayoutDiffers;
        case J6iReadResult::Ok:
            break;
    }
    log.AppendLine(FormatText(texts::kReportJ6iShotDate, J6iFullYear(BcdToInt(header.shotYear())),
                              BcdToInt(header.shotMonth()), BcdToInt(header.shotDay()),
                              BcdToInt(header.shotHour()), BcdToInt(header.shotMinute()),
                              BcdToInt(header.shotSecond())));
    log.AppendLine(
        FormatText(texts::kReportDscVersion, header.dscVersionMajor(), header.dscVersionMinor()));
    log.AppendLine(FormatText(texts::kReportHeaderSize, header.headerSize()));
    log.AppendLine(texts::kReportDcVersionLabel + header.dcVersion());
    return FileInfoResult::Complete;
}

}  // namespace kadoro
