// .JPG fixtures with a camera text block.
#include "support/jpeg_fixture.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>

namespace kadoro::test {
namespace {

void AppendBigEndian16(Bytes& bytes, std::size_t value) {
    const auto field = static_cast<std::uint16_t>(std::min<std::size_t>(value, 0xFFFF));
    bytes.push_back(static_cast<std::uint8_t>(field >> 8));
    bytes.push_back(static_cast<std::uint8_t>(field & 0xFF));
}

void AppendBytes(Bytes& bytes, std::initializer_list<std::uint8_t> more) {
    for (const std::uint8_t byte : more)
        bytes.push_back(byte);
}

void AppendText(Bytes& bytes, std::string_view text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

}  // namespace

Bytes MakeJpegWithCameraText(std::string_view block, std::uint16_t secondSegmentLength) {
    if (secondSegmentLength < 2) throw std::invalid_argument("a segment length counts itself");
    Bytes bytes;
    AppendBytes(bytes, {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10});
    AppendText(bytes, std::string_view("JFIF\0", 5));
    AppendBytes(bytes, {0x01, 0x01, 0x01, 0x00, 0x90, 0x00, 0x90, 0x00, 0x00});

    AppendBytes(bytes, {0xFF, 0xE0});
    AppendBigEndian16(bytes, secondSegmentLength);
    const std::size_t secondData = bytes.size();
    bytes.resize(secondData + secondSegmentLength - 2, 0);
    const std::string_view jfxx("JFXX\0", 5);
    std::copy_n(jfxx.begin(), std::min<std::size_t>(jfxx.size(), secondSegmentLength - 2u),
                bytes.begin() + static_cast<std::ptrdiff_t>(secondData));

    // An over-long block keeps the largest length the field holds; readers never look at it.
    AppendBytes(bytes, {0xFF, 0xEC});
    AppendBigEndian16(bytes, block.size() + 2);
    AppendText(bytes, block);

    AppendBytes(bytes, {0xFF, 0xD9});
    return bytes;
}

void WriteJpegWithCameraText(const std::string& path, std::string_view block,
                             std::uint16_t secondSegmentLength) {
    WriteFileBytes(path, MakeJpegWithCameraText(block, secondSegmentLength));
}

std::string CameraTextBlock(std::string_view maker, const std::vector<std::string>& lines) {
    std::string block(maker);
    block += "\r\n";
    for (const std::string& line : lines)
        block += line + "\r\n";
    block += "[diag info]\r\n";
    // Everything after the end line is left unread; the NULs make a reader that goes on fail.
    block += "IMgg=35931\r\n[user]";
    block.append(16, '\0');
    block += "\r\n[end]\r\n";
    return block;
}

}  // namespace kadoro::test
