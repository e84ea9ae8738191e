// Builds .JPG files in code that carry a camera text block where the readers look for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/fixture_files.h"

namespace kadoro::test {

// Byte layout of a built file (offsets from its start; L is the second segment's length):
//   0      FF D8                            start of image
//   2      FF E0 00 10 "JFIF\0" ...         APP0 JFIF, length 16
//   20     FF E0 <L, big-endian> "JFXX\0"   APP0 JFXX, zero-filled; bytes 22-23 hold L
//   22+L   FF EC <block size + 2>           APP12 whose data is the block, starting at L + 26
//   ...    FF D9                            end of image
// The default L puts the block at 42.
inline constexpr std::uint16_t kJfxxSegmentLength = 16;

// The file around block, which is written byte for byte (CR LF and any NUL are the caller's).
// secondSegmentLength must be at least 2, as every JPEG segment length is.
Bytes MakeJpegWithCameraText(std::string_view block,
                             std::uint16_t secondSegmentLength = kJfxxSegmentLength);
void WriteJpegWithCameraText(const std::string& path, std::string_view block,
                             std::uint16_t secondSegmentLength = kJfxxSegmentLength);

// A well-formed block: the maker line, each of lines, the "[diag info]" line, each ended by CR
// LF, then diagnostic text and NUL padding as the cameras leave them. Pass the maker's NUL and
// number yourself (e.g. "OLYMPUS OPTICAL CO.,LTD.\0 985"s) when a test needs them.
std::string CameraTextBlock(std::string_view maker, const std::vector<std::string>& lines);

}  // namespace kadoro::test
