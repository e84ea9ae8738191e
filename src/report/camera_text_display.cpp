// Decoding camera texts from code page 932 for the report, through the C library's iconv.
#include "report/camera_text_display.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>

namespace kadoro {
namespace {

constexpr char kUndecodable = '?';

std::uint8_t ByteAt(std::string_view bytes, std::size_t index) {
    return static_cast<std::uint8_t>(bytes[index]);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = ByteAt(bytes, i);
        std::size_t length = 0;
        std::uint8_t secondLow = 0x80;
        std::uint8_t secondHigh = 0xBF;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) secondLow = 0xA0;   // overlong below U+0800
            if (lead == 0xED) secondHigh = 0x9F;  // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) secondLow = 0x90;   // overlong below U+10000
            if (lead == 0xF4) secondHigh = 0x8F;  // past U+10FFFF
        } else {
            return false;
        }
        if (length > bytes.size() - i) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const std::uint8_t next = ByteAt(bytes, i + k);
            const std::uint8_t low = k == 1 ? secondLow : 0x80;
            const std::uint8_t high = k == 1 ? secondHigh : 0xBF;
            if (next < low || next > high) return false;
        }
        i += length;
    }
    return true;
}

bool IsCp932LeadByte(std::uint8_t byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsCp932TrailByte(std::uint8_t byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// How many bytes at index iconv refused to decode: a whole lead-trail pair, or one byte.
std::size_t UndecodableLength(std::string_view bytes, std::size_t index) {
    const bool pair = IsCp932LeadByte(ByteAt(bytes, index)) && index + 1 < bytes.size() &&
                      IsCp932TrailByte(ByteAt(bytes, index + 1));
    return pair ? 2 : 1;
}

class Cp932ToUtf8 {
public:
    Cp932ToUtf8() : descriptor_(::iconv_open("UTF-8", "CP932")) {}
    ~Cp932ToUtf8() {
        if (IsOpen()) ::iconv_close(descriptor_);
    }
    Cp932ToUtf8(const Cp932ToUtf8&) = delete;
    Cp932ToUtf8& operator=(const Cp932ToUtf8&) = delete;

    bool IsOpen() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Decodes bytes from index on, appending to text, up to the end or the first bytes that do
    // not decode; returns where it stopped.
    std::size_t DecodeFrom(std::string_view bytes, std::size_t index, std::string& text) {
        // iconv never writes through its input pointer; the cast only meets its signature.
        char* in = const_cast<char*>(bytes.data() + index);
        std::size_t inLeft = bytes.size() - index;
        std::array<char, 256> buffer{};
        while (inLeft > 0) {
            char* out = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t done = ::iconv(descriptor_, &in, &inLeft, &out, &outLeft);
            text.append(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        return bytes.size() - inLeft;
    }

private:
    iconv_t descriptor_;
};

std::string DecodeCp932(std::string_view bytes) {
    std::string text;
    Cp932ToUtf8 decoder;
    std::size_t index = 0;
    while (index < bytes.size()) {
        if (decoder.IsOpen()) index = decoder.DecodeFrom(bytes, index, text);
        if (index == bytes.size()) break;
        // Without the converter (a C library without its code page modules) only ASCII shows.
        if (!decoder.IsOpen() && ByteAt(bytes, index) < 0x80) {
            text.push_back(bytes[index++]);
            continue;
        }
        text.push_back(kUndecodable);
        index += decoder.IsOpen() ? UndecodableLength(bytes, index) : 1;
    }
    return text;
}

}  // namespace

std::string CameraTextForDisplay(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return DecodeCp932(bytes);
}

}  // namespace kadoro
