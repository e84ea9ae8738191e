// Fuzz target: the JPEG camera text reader on arbitrary file bytes. Besides the sanitizers'
// checks it holds every text field to its width.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "readers/jpeg_camera_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kadoro::JpegCameraInfo info;
    const auto result = kadoro::ParseJpegCameraInfo(std::span(data, size), info);
    const bool fieldsFit = info.maker.size() <= kadoro::kMakerWidth &&
                           info.cameraType.size() <= kadoro::kCameraTypeWidth &&
                           info.serialNo.size() <= kadoro::kSerialNoWidth &&
                           info.cameraVersion.size() <= kadoro::kCameraVersionWidth &&
                           info.cameraId.size() <= kadoro::kCameraIdWidth;
    const int value = static_cast<int>(result);
    if (!fieldsFit || value < -2 || value > 1) std::abort();
    return 0;
}
