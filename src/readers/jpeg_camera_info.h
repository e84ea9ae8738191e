// The camera text block inside a .JPG file: finding it and reading it into a record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <span>
#include <string>

namespace kadoro {

// Byte layout (offsets from the start of the file; no marker is checked):
//   22    2  big-endian length of the second marker segment (after SOI and a 16-byte APP0)
//   L+26     the text block, L being that length: the data of the third segment (APP12)
// The block is lines ended by CR LF, at most 36 characters before the CR:
//   maker name             any text; the cameras put a NUL and a number after the name
//   Key=value or other     "TimeDate", "Flash", "Resolution", "ImageSize", "Zoom", "Macro",
//                          "Type", "Serial#", "Version", "ID", compared as prefixes; other
//                          lines are skipped
//   [diag info]            ends the block; nothing after it is read
// One NUL before a CR is taken as a blank in a whole block; a second makes the layout differ.

// Widths of the text fields, in bytes, without a terminator; longer texts are cut to them.
inline constexpr std::size_t kMakerWidth = 29;
inline constexpr std::size_t kCameraTypeWidth = 5;
inline constexpr std::size_t kSerialNoWidth = 14;
inline constexpr std::size_t kCameraVersionWidth = 14;
inline constexpr std::size_t kCameraIdWidth = 31;

struct JpegCameraInfo {
    std::string maker;
    // The shooting time broken down in UTC; tm_year 0 means the file gives no shooting date, and
    // the other fields are meaningful only when tm_year is not 0.
    std::tm shotTime{};
    int flash = 0;
    int resolution = -1;
    int imageSize = -1;  // 0 320x240, 1 640x480, 2 1024x384, 3 1024x768 fine, 4 high fine
    int zoom = 0;
    int macro = 0;
    std::string cameraType;
    std::string serialNo;
    std::string cameraVersion;
    std::string cameraId;
};

enum class JpegReadResult : int {
    Read = 1,            // the block was read up to its "[diag info]" line, maker line included
    Empty = 0,           // the block's first line is "[diag info]": the record stays cleared
    CannotOpen = -1,     // the file cannot be opened; the record is cleared
    LayoutDiffers = -2,  // a line too long or without CR, a second NUL, or no "[diag info]"
};

// The block's position: byte 22 * 256 + byte 23 + 26; -1 when the file cannot be opened, -2 when
// it is too short (or too unreadable) to hold bytes 22 and 23.
long GetJpegTextOffset(const std::string& path);

// Empty texts, no shooting date, flash/zoom/macro 0, resolution and imageSize -1.
void ClearJpegCameraInfo(JpegCameraInfo& info);

// Clears info, then reads the block of the file at path into it.
JpegReadResult ReadJpegCameraInfo(const std::string& path, JpegCameraInfo& info);

// The same reading over a file's bytes held in memory (from the start of the file), for tests
// and fuzzing: ReadJpegCameraInfo gives the same result for a file with these bytes.
JpegReadResult ParseJpegCameraInfo(std::span<const std::uint8_t> fileBytes, JpegCameraInfo& info);

}  // namespace kadoro
