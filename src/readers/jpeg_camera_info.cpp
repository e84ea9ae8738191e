// Finding the camera text block of a .JPG file and reading its settings into the record.
#include "readers/jpeg_camera_info.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/file_reading.h"
#include "platform/read_only_file.h"
#include "readers/byte_reader.h"
#include "readers/camera_text_lines.h"

namespace kadoro {
namespace {

constexpr std::size_t kPrefixBytes = 32;
constexpr std::size_t kSecondSegmentLengthOffset = 22;
constexpr std::uint64_t kPositionAfterSecondSegment = 26;
constexpr long kPrefixTooShort = -2;
constexpr std::size_t kFileChunkBytes = 4096;
constexpr std::string_view kEndLine = "[diag info]";

// Bytes 22 and 23 as one big-endian number, plus 26; nothing when the bytes do not reach them.
std::optional<std::uint64_t> TextBlockPosition(std::span<const std::uint8_t> firstBytes) {
    const auto length = ByteReader(firstBytes).Read16be(kSecondSegmentLengthOffset);
    if (!length) return std::nullopt;
    return *length + kPositionAfterSecondSegment;
}

// Read as atoi does (leading white space, a sign, digits up to the first other character, 0
// without digits), but a number beyond [low, high] gives the nearer limit instead of overflowing.
std::int64_t ReadDecimal(std::string_view text, std::int64_t low, std::int64_t high) {
    auto next = std::find_if(text.begin(), text.end(), [](char c) {
        return c != ' ' && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r';
    });
    bool negative = false;
    if (next != text.end() && (*next == '+' || *next == '-')) {
        negative = *next == '-';
        ++next;
    }
    // Counting stops at 2^63, which is already past every limit in either direction.
    constexpr std::uint64_t kBeyond = std::uint64_t{1} << 63;
    std::uint64_t magnitude = 0;
    for (; next != text.end() && *next >= '0' && *next <= '9'; ++next) {
        const auto digit = static_cast<std::uint64_t>(*next - '0');
        magnitude = magnitude > kBeyond / 10 ? kBeyond : std::min(kBeyond, magnitude * 10 + digit);
    }
    if (negative) {
        const auto lowMagnitude = static_cast<std::uint64_t>(-(low + 1)) + 1;
        return magnitude >= lowMagnitude ? low : -static_cast<std::int64_t>(magnitude);
    }
    return magnitude >= static_cast<std::uint64_t>(high) ? high
                                                         : static_cast<std::int64_t>(magnitude);
}

int ReadDecimalInt(std::string_view text) {
    return static_cast<int>(
        ReadDecimal(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void ApplyTimeDate(std::string_view value, JpegCameraInfo& info) {
    // Held as wide as time_t, so that a camera clock past 2038 still gives its date.
    const auto seconds = static_cast<std::time_t>(ReadDecimal(
        value, std::numeric_limits<std::time_t>::min(), std::numeric_limits<std::time_t>::max()));
    std::tm brokenDown{};
    if (seconds == -1 || ::gmtime_r(&seconds, &brokenDown) == nullptr) {
        info.shotTime.tm_year = 0;
        return;
    }
    info.shotTime = brokenDown;
}

void ApplyImageSize(std::string_view value, JpegCameraInfo& info) {
    struct KnownSize {
        std::string_view text;
        int imageSize;
    };
    constexpr int kFine = 3;
    constexpr int kHighFine = 4;
    constexpr int kHighestFineResolution = 2;
    // Each is compared for its own length: longer values that begin with one of them match.
    constexpr std::array<KnownSize, 4> kKnownSizes = {{
        {"320-240", 0},
        {"640-480", 1},
        {"1024-384", 2},
        {"1024-768", kFine},
    }};
    for (const KnownSize& known : kKnownSizes) {
        if (!value.starts_with(known.text)) continue;
        // The resolution line decides only when it came before the size line.
        const bool highFine = known.imageSize == kFine && info.resolution > kHighestFineResolution;
        info.imageSize = highFine ? kHighFine : known.imageSize;
        return;
    }
}

std::string CutTo(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, width));
}

void ApplyFlash(std::string_view value, JpegCameraInfo& info) {
    info.flash = ReadDecimalInt(value);
}
void ApplyResolution(std::string_view value, JpegCameraInfo& info) {
    info.resolution = ReadDecimalInt(value);
}
void ApplyZoom(std::string_view value, JpegCameraInfo& info) {
    info.zoom = value.starts_with("x1.0") ? 0 : 1;
}
void ApplyMacro(std::string_view value, JpegCameraInfo& info) {
    info.macro = ReadDecimalInt(value);
}
void ApplyType(std::string_view value, JpegCameraInfo& info) {
    info.cameraType = CutTo(value, kCameraTypeWidth);
}
void ApplySerialNo(std::string_view value, JpegCameraInfo& info) {
    info.serialNo = CutTo(value, kSerialNoWidth);
}
void ApplyVersion(std::string_view value, JpegCameraInfo& info) {
    info.cameraVersion = CutTo(value, kCameraVersionWidth);
}
void ApplyId(std::string_view value, JpegCameraInfo& info) {
    info.cameraId = CutTo(value, kCameraIdWidth);
}

struct SettingKey {
    std::string_view compared;  // the leading characters of the key that a line must begin with
    void (*apply)(std::string_view value, JpegCameraInfo& info);
};

// Tested in this order; the first match wins.
constexpr std::array<SettingKey, 10> kSettingKeys = {{
    {"TimeDate", ApplyTimeDate},
    {"Flash", ApplyFlash},
    {"Resolutio", ApplyResolution},  // nine letters only, as the cameras' software compared
    {"ImageSize", ApplyImageSize},
    {"Zoom", ApplyZoom},
    {"Macro", ApplyMacro},
    {"Type", ApplyType},
    {"Serial#", ApplySerialNo},
    {"Version", ApplyVersion},
    {"ID", ApplyId},
}};

void ApplySettingLine(std::string_view text, JpegCameraInfo& info) {
    const auto key = std::find_if(kSettingKeys.begin(), kSettingKeys.end(),
                                  [&](const auto& k) { return text.starts_with(k.compared); });
    if (key == kSettingKeys.end()) return;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) return;  // a key without a value says nothing
    key->apply(text.substr(equals + 1), info);
}

bool IsEndLine(std::span<const std::uint8_t> line) {
    const auto sameByte = [](char want, std::uint8_t got) {
        return static_cast<std::uint8_t>(want) == got;
    };
    return line.size() >= kEndLine.size() &&
           std::equal(kEndLine.begin(), kEndLine.end(), line.begin(), sameByte);
}

// The block's lines up to "[diag info]": the first is the maker, the others settings.
JpegReadResult ParseTextBlock(ByteChunkSource& source, JpegCameraInfo& info) {
    CameraTextLines lines(source);
    auto line = lines.NextLine();
    if (!line) return JpegReadResult::LayoutDiffers;  // the position lies at or past the end

    JpegReadResult result = JpegReadResult::Empty;
    bool nulTaken = false;
    while (!IsEndLine(*line)) {
        const auto text = TakeLineText(*line, nulTaken);
        if (!text) return JpegReadResult::LayoutDiffers;
        if (result == JpegReadResult::Empty) {
            info.maker = CutTo(*text, kMakerWidth);
            result = JpegReadResult::Read;
        } else {
            ApplySettingLine(*text, info);
        }
        line = lines.NextLine();
        if (!line) return JpegReadResult::LayoutDiffers;  // the bytes end before "[diag info]"
    }
    return result;
}

class MemoryChunks : public ByteChunkSource {
public:
    explicit MemoryChunks(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
    std::span<const std::uint8_t> NextChunk() override { return std::exchange(rest_, {}); }

private:
    std::span<const std::uint8_t> rest_;
};

// Reads only as far as the lines ask, so that the image data after the block stays unread.
class FileChunks : public ByteChunkSource {
public:
    FileChunks(const ReadOnlyFile& file, std::uint64_t position) : file_(file), next_(position) {}

    std::span<const std::uint8_t> NextChunk() override {
        if (ended_) return {};
        const auto got = file_.ReadAt(next_, buffer_);
        if (!got || *got == 0) {
            ended_ = true;
            return {};
        }
        next_ += *got;
        return std::span<const std::uint8_t>(buffer_).first(*got);
    }

private:
    const ReadOnlyFile& file_;
    std::uint64_t next_;
    bool ended_ = false;
    std::array<std::uint8_t, kFileChunkBytes> buffer_{};
};

}  // namespace

long GetJpegTextOffset(const std::string& path) {
    const FilePrefix prefix = ReadFilePrefix(path, kPrefixBytes);
    if (prefix.status == FilePrefix::Status::CannotOpen) return -1;
    // A failed read leaves no bytes, which is as short as a file can be.
    const auto position = TextBlockPosition(prefix.bytes);
    return position ? static_cast<long>(*position) : kPrefixTooShort;
}

void ClearJpegCameraInfo(JpegCameraInfo& info) {
    info.maker.clear();
    info.shotTime.tm_year = 0;  // the other calendar fields mean nothing without a year
    info.flash = 0;
    info.resolution = -1;
    info.imageSize = -1;
    info.zoom = 0;
    info.macro = 0;
    info.cameraType.clear();
    info.serialNo.clear();
    info.cameraVersion.clear();
    info.cameraId.clear();
}

JpegReadResult ReadJpegCameraInfo(const std::string& path, JpegCameraInfo& info) {
    ClearJpegCameraInfo(info);
    const long position = GetJpegTextOffset(path);
    if (position == -1) return JpegReadResult::CannotOpen;
    if (position < 0) return JpegReadResult::LayoutDiffers;
    // The file may have become unreadable since its first bytes were read.
    const auto file = ReadOnlyFile::Open(path);
    if (!file) return JpegReadResult::CannotOpen;
    FileChunks chunks(*file, static_cast<std::uint64_t>(position));
    return ParseTextBlock(chunks, info);
}

JpegReadResult ParseJpegCameraInfo(std::span<const std::uint8_t> fileBytes, JpegCameraInfo& info) {
    ClearJpegCameraInfo(info);
    const auto position = TextBlockPosition(fileBytes);
    if (!position) return JpegReadResult::LayoutDiffers;
    const ByteReader reader(fileBytes);
    const auto start = static_cast<std::size_t>(*position);
    const auto block =
        reader.Contains(start, 0) ? reader.Slice(start, fileBytes.size() - start) : std::nullopt;
    MemoryChunks chunks(block.value_or(std::span<const std::uint8_t>{}));
    return ParseTextBlock(chunks, info);
}

}  // namespace kadoro
