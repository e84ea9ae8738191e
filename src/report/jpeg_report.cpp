// The .JPG part of the information report: the ten lines of the camera text block.
#include "report/jpeg_report.h"

#include <array>
#include <string_view>

#include "common/format_text.h"
#include "common/system_texts.h"
#include "readers/jpeg_camera_info.h"
#include "report/camera_text_display.h"
#include "report/report_lines.h"

namespace kadoro {
namespace {

std::string_view ImageSizeLabel(int imageSize) {
    if (imageSize < 0 || imageSize >= static_cast<int>(std::size(texts::kReportImageSizes))) {
        return texts::kReportImageSizeUnknown;
    }
    return texts::kReportImageSizes[imageSize];
}

std::string ShotTimeLine(const std::tm& shotTime) {
    if (shotTime.tm_year == 0) return texts::kReportNoShotDate;
    return FormatText(texts::kReportShotTime, shotTime.tm_year + 1900, shotTime.tm_mon + 1,
                      shotTime.tm_mday, shotTime.tm_hour, shotTime.tm_min, shotTime.tm_sec);
}

}  // namespace

FileInfoResult AppendJpegReport(const std::string& path, LogSink& log) {
    JpegCameraInfo info;
    switch (ReadJpegCameraInfo(path, info)) {
        case JpegReadResult::CannotOpen:
            log.AppendLine(texts::kJ6iCannotOpen);
            return FileInfoResult::CannotOpen;
        case JpegReadResult::LayoutDiffers:
            log.AppendLine(texts::kReportNoInformation);
            return FileInfoResult::LayoutDiffers;
        case JpegReadResult::Read:
        case JpegReadResult::Empty:
            break;
    }
    log.AppendLine(texts::kReportMakerLabel + CameraTextForDisplay(info.maker));
    log.AppendLine(ShotTimeLine(info.shotTime));
    log.AppendLine(UsedOrNot(texts::kReportFlashLabel, info.flash));
    log.AppendLine(FormatText(texts::kReportResolution, info.resolution));
    log.AppendLine(texts::kReportImageSizeLabel + std::string(ImageSizeLabel(info.imageSize)));
    log.AppendLine(UsedOrNot(texts::kReportZoomLabel, info.zoom));
    log.AppendLine(UsedOrNot(texts::kReportMacroLabel, info.macro));
    log.AppendLine(texts::kReportCameraTypeLabel + CameraTextForDisplay(info.cameraType));
    log.AppendLine(texts::kReportCameraVersionLabel + CameraTextForDisplay(info.cameraVersion));
    log.AppendLine(texts::kReportCameraIdLabel + CameraTextForDisplay(info.cameraId));
    return FileInfoResult::Complete;
}

}  // namespace kadoro
