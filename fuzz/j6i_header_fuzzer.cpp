// Fuzz target: the J6I header checks and field accessors on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "readers/j6i_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kadoro::J6iHeader header;
    const std::span<const std::uint8_t> bytes(data, size);
    if (kadoro::ParseJ6iHeader(bytes.first(std::min(size, kadoro::kJ6iHeaderSize)), header) ==
        kadoro::J6iReadResult::Ok) {
        // Touch every decoded field so that the sanitizers see each accessor run.
        volatile std::int64_t sink = kadoro::J6iFullYear(kadoro::BcdToInt(header.shotYear()));
        sink = header.headerSize();
        sink = static_cast<std::int64_t>(header.dcVersion().size());
        (void)sink;
    }
    return 0;
}
