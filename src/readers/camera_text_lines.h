// The lines of a camera text block as the cameras' own software read them, and each line's text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kadoro {

// The bytes of a block from its position on, handed out a chunk at a time, so that bytes held in
// memory and a file read piece by piece feed the same line reading.
class ByteChunkSource {
public:
    virtual ~ByteChunkSource() = default;
    // The next bytes; an empty span at the end (a failed read ends the bytes too).
    virtual std::span<const std::uint8_t> NextChunk() = 0;
};

// Cuts the bytes into lines exactly as fgets with a 124-byte buffer does: a line ends after a LF
// or after 123 bytes, whichever comes first, and what is left of a longer line is the next line.
// The line limits and the NUL rule below are defined on the lines this delivers.
class CameraTextLines {
public:
    static constexpr std::size_t kMaxLineBytes = 123;

    explicit CameraTextLines(ByteChunkSource& source) : source_(source) {}

    // The next line, valid until the following call; nothing once the bytes are used up.
    std::optional<std::span<const std::uint8_t>> NextLine();

private:
    ByteChunkSource& source_;
    std::span<const std::uint8_t> chunk_;
    std::array<std::uint8_t, kMaxLineBytes> line_{};
};

// At most this many characters stand before a line's CR.
inline constexpr std::size_t kMaxLineCharacters = 36;

// The text of a line: its bytes before the CR, which must come within the first 37 bytes. In a
// whole block one NUL before a CR is taken as a blank (the cameras write one after the maker's
// name); nulTaken carries that across the lines. Nothing when the line has no CR in reach or
// holds a second NUL before it.
std::optional<std::string> TakeLineText(std::span<const std::uint8_t> line, bool& nulTaken);

}  // namespace kadoro
