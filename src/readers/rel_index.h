// Walking the record chain of a .REL index: which images it lists, with which numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace kadoro {

// Only this many bytes from the start of an index are read and looked at.
inline constexpr std::size_t kRelBlockSize = 8192;

// Byte layout (offsets from the start of the file):
//   0      1  magic   0x80
//   1    511          not examined
//   512   ..  the record chain; at each position the first two bytes decide:
//               0xFF 0xFF  end marker
//               "UU"       index record, below
//               other      stepped over by its length byte, nothing else done
// Record (offsets from the position):
//   0   2  mark    "UU" (0x55 0x55)
//   3   1  length  L: the record takes L + 4 bytes; the next position follows it
//   7   1  type    1 or 3: one image; 4: a group; anything else: ignored
//   13  1  count   group only: number of names, 0-255
//   14  8  name    one image: its file name without extension, NUL-padded when shorter than 8
//   14 + 8i  8     group: name i, read without regard to the length byte
// The group counter starts at 1 and numbers the single-image and group records.
struct RelListedImage {
    std::string name;    // without extension; never empty and never a path
    int sequenceNumber;  // the group counter
    int subNumber;       // place in the group from 1; -1 for an image listed alone
};

enum class RelVisit { Continue, Stop };

enum class RelWalkEnd {
    EndMarker,    // the chain reached 0xFF 0xFF
    Stopped,      // the image callback said Stop
    NotRelIndex,  // no bytes, or byte 0 is not 0x80
    Truncated,    // the chain, a record or a group's names run past the bytes given
    UnsafeName,   // a name field that could name something other than a file of the folder
};

struct RelWalkCallbacks {
    // Once per listed image, in index order. Must be set.
    std::function<RelVisit(const RelListedImage&)> image;
    // After every index record ("UU") the walk leaves to go on, records of ignored types
    // included. May be empty.
    std::function<void()> indexRecordDone;
};

// Walks the chain in bytes (what was read of the file, at most kRelBlockSize). Nothing outside
// bytes is read. A record is checked whole (its extent, its fields and every name) before any
// of its images is handed on, so a damaged or unsafe record hands on none of them; the images of
// earlier records have been handed on already. A name is unsafe when it is empty, "." or "..",
// or holds '/', '\\', a byte below 0x20 or 0x7F.
RelWalkEnd WalkRelIndex(std::span<const std::uint8_t> bytes, const RelWalkCallbacks& callbacks);

}  // namespace kadoro
