// The .J6I part of the information report: shooting date, DSC version, header size, DC version.
#include "report/j6i_report.h"

#include "common/format_text.h"
#include "readers/j6i_header.h"
#include "report/report_lines.h"

namespace kadoro {

FileInfoResult AppendJ6iReport(const std::string& path, LogSink& log) {
    J6iHeader header;
    switch (ReadJ6iHeader(path, header)) {
        case J6iReadResult::CannotOpen:
            log.AppendLine("ファィルオープンエラー");
            return FileInfoResult::CannotOpen;
        case J6iReadResult::ShortRead:
            log.AppendLine("ファィル読み込みエラー");
            return FileInfoResult::HeaderShort;
        case J6iReadResult::NotJ6i:
            log.AppendLine("J6Iファイルではありません");
            return FileInfoResult::LayoutDiffers;
        case J6iReadResult::Ok:
            break;
    }
    log.AppendLine(FormatText("撮 影 日 付          : %04d年%02d月%02d日 %02d:%02d:%02d",
                              J6iFullYear(BcdToInt(header.shotYear())),
                              BcdToInt(header.shotMonth()), BcdToInt(header.shotDay()),
                              BcdToInt(header.shotHour()), BcdToInt(header.shotMinute()),
                              BcdToInt(header.shotSecond())));
    log.AppendLine(FormatText("DSCﾊﾞｰｼﾞｮﾝ           : %d.%d", header.dscVersionMajor(),
                              header.dscVersionMinor()));
    log.AppendLine(FormatText("ﾍﾞｯﾀﾞｰｻｲｽﾞ           : %dﾊﾞｲﾄ", header.headerSize()));
    log.AppendLine("DCﾊﾞｰｼﾞｮﾝ            : " + header.dcVersion());
    return FileInfoResult::Complete;
}

}  // namespace kadoro
