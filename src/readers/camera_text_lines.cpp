// Cutting a camera text block into lines and taking each line's text.
#include "readers/camera_text_lines.h"

#include <algorithm>

namespace kadoro {

std::optional<std::span<const std::uint8_t>> CameraTextLines::NextLine() {
    std::size_t length = 0;
    while (length < kMaxLineBytes) {
        if (chunk_.empty()) {
            chunk_ = source_.NextChunk();
            if (chunk_.empty()) break;
        }
        const std::uint8_t byte = chunk_.front();
        chunk_ = chunk_.subspan(1);
        line_[length++] = byte;
        if (byte == '\n') break;
    }
    if (length == 0) return std::nullopt;
    return std::span<const std::uint8_t>(line_).first(length);
}

std::optional<std::string> TakeLineText(std::span<const std::uint8_t> line, bool& nulTaken) {
    std::string text;
    const std::size_t reach = std::min(line.size(), kMaxLineCharacters + 1);
    for (std::size_t i = 0; i < reach; ++i) {
        const std::uint8_t byte = line[i];
        if (byte == '\r') return text;
        if (byte == '\0') {
            if (nulTaken) return std::nullopt;
            nulTaken = true;
            text.push_back(' ');
        } else {
            text.push_back(static_cast<char>(byte));
        }
    }
    return std::nullopt;
}

}  // namespace kadoro
