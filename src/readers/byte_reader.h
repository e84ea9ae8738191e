// Bounds-checked reads of single bytes and big-endian integers from bytes held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kadoro {

// Every read names an offset and says whether the bytes it needs are there; nothing is ever read
// past the end of the span, whatever offset the caller computed from file data.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }

    // True when [offset, offset + length) lies within the bytes; safe against overflow.
    bool Contains(std::size_t offset, std::size_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    std::optional<std::uint8_t> Read8(std::size_t offset) const {
        if (!Contains(offset, 1)) return std::nullopt;
        return bytes_[offset];
    }

    std::optional<std::uint16_t> Read16be(std::size_t offset) const {
        if (!Contains(offset, 2)) return std::nullopt;
        return static_cast<std::uint16_t>((bytes_[offset] << 8) | bytes_[offset + 1]);
    }

    std::optional<std::uint32_t> Read32be(std::size_t offset) const {
        if (!Contains(offset, 4)) return std::nullopt;
        return (std::uint32_t{bytes_[offset]} << 24) | (std::uint32_t{bytes_[offset + 1]} << 16) |
               (std::uint32_t{bytes_[offset + 2]} << 8) | std::uint32_t{bytes_[offset + 3]};
    }

    // The bytes [offset, offset + length), or nothing when they are not all there.
    std::optional<std::span<const std::uint8_t>> Slice(std::size_t offset,
                                                       std::size_t length) const {
        if (!Contains(offset, length)) return std::nullopt;
        return bytes_.subspan(offset, length);
    }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace kadoro
