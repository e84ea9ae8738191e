// The .JPG part of the information report: the ten lines of the camera text block.
#include "report/jpeg_report.h"

#include <array>
#include <string_view>

#include "common/format_text.h"
#include "readers/jpeg_camera_info.h"
#include "report/camera_text_display.h"
#include "report/report_lines.h"

namespace kadoro {
namespace {

std::string_view ImageSizeLabel(int imageSize) {
    constexpr std::array<std::string_view, 5> kLabels = {"320x240", "640x480", "1024x384(パノラマ)",
                                                         "1024x768(精細)", "1024x768(高精細)"};
    if (imageSize < 0 || imageSize >= static_cast<int>(kLabels.size())) return "不明";
    return kLabels[imageSize];
}

std::string ShotTimeLine(const std::tm& shotTime) {
    if (shotTime.tm_year == 0) return "撮影時刻             : 撮影日付なし";
    return FormatText("撮影時刻             : %04d年%02d月%02d日 %02d:%02d:%02d",
                      shotTime.tm_year + 1900, shotTime.tm_mon + 1, shotTime.tm_mday,
                      shotTime.tm_hour, shotTime.tm_min, shotTime.tm_sec);
}

}  // namespace

FileInfoResult AppendJpegReport(const std::string& path, LogSink& log) {
    JpegCameraInfo info;
    switch (ReadJpegCameraInfo(path, info)) {
        case JpegReadResult::CannotOpen:
            log.AppendLine("ファィルオープンエラー");
            return FileInfoResult::CannotOpen;
        case JpegReadResult::LayoutDiffers:
            log.AppendLine("情報がありません");
            return FileInfoResult::LayoutDiffers;
        case JpegReadResult::Read:
        case JpegReadResult::Empty:
            break;
    }
    log.AppendLine("メーカー             : " + CameraTextForDisplay(info.maker));
    log.AppendLine(ShotTimeLine(info.shotTime));
    log.AppendLine(UsedOrNot("フラッシュ           : ", info.flash));
    log.AppendLine(FormatText("解像度No             : %d", info.resolution));
    log.AppendLine("画像サイズ           : " + std::string(ImageSizeLabel(info.imageSize)));
    log.AppendLine(UsedOrNot("ズーム               : ", info.zoom));
    log.AppendLine(UsedOrNot("マクロ               : ", info.macro));
    log.AppendLine("カメラタイプ         : " + CameraTextForDisplay(info.cameraType));
    log.AppendLine("カメラバージョン     : " + CameraTextForDisplay(info.cameraVersion));
    log.AppendLine("カメラＩＤ           : " + CameraTextForDisplay(info.cameraId));
    return FileInfoResult::Complete;
}

}  // namespace kadoro
