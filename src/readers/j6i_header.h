// The 144-byte header at the start of a .J6I image: reading, validating and decoding its date.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kadoro {

inline constexpr std::size_t kJ6iHeaderSize = 144;

// Byte layout (offsets from the start of the file; only these fields are examined):
//   0     1  magic            0x80
//   2     6  signature        "DSCIM" and a NUL at offset 7
//   8     1  dscVersionMajor  unsigned
//   9     1  dscVersionMinor  unsigned
//   56    4  headerSize       32-bit big-endian, shown signed
//   68..73   shotYear, shotMonth, shotDay, shotHour, shotMinute, shotSecond: packed BCD each
//   134  10  dcVersion        text ended by a NUL within the field
// The header is kept exactly as read; the accessors decode on demand.
struct J6iHeader {
    std::array<std::uint8_t, kJ6iHeaderSize> bytes{};

    std::uint8_t magic() const { return bytes[0]; }
    std::uint8_t dscVersionMajor() const { return bytes[8]; }
    std::uint8_t dscVersionMinor() const { return bytes[9]; }
    std::int32_t headerSize() const;
    std::uint8_t shotYear() const { return bytes[68]; }
    std::uint8_t shotMonth() const { return bytes[69]; }
    std::uint8_t shotDay() const { return bytes[70]; }
    std::uint8_t shotHour() const { return bytes[71]; }
    std::uint8_t shotMinute() const { return bytes[72]; }
    std::uint8_t shotSecond() const { return bytes[73]; }
    // The text up to its NUL; a field without a NUL ends with the header.
    std::string dcVersion() const;
};

enum class J6iReadResult : int {
    Ok = 0,           // a valid header
    CannotOpen = -1,  // the file cannot be opened; the header is untouched
    ShortRead = -2,   // fewer than 144 bytes could be read; the header must not be used
    NotJ6i = -3,      // wrong magic byte or signature
};

// Reads and validates the header of the file at path.
J6iReadResult ReadJ6iHeader(const std::string& path, J6iHeader& header);

// Validates a header held in memory: the same checks as ReadJ6iHeader after its read.
J6iReadResult ParseJ6iHeader(std::span<const std::uint8_t> bytes, J6iHeader& header);

// A packed-BCD byte to its value: high nibble times ten plus low nibble. Nibbles above 9 are
// taken as they are (0x9F gives 105), as the cameras' software always did.
int BcdToInt(std::uint8_t value);

// The full year of a two-digit stored year: 00-69 are 2000-2069, 70-99 are 1970-1999. Values
// above 99 only come from invalid BCD digits; they keep the old form of "19" followed by the
// value (105 gives 19105), so that such a file still gets a recognisable name.
int J6iFullYear(int storedYear);

}  // namespace kadoro
