// Fuzz target: the REL record walk on arbitrary bytes. Besides the sanitizers' checks it holds
// the walk to its promise that no listed name can reach outside the source folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "readers/rel_index.h"

namespace {

bool IsSafeName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 8) return false;
    for (const unsigned char c : name) {
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\') return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, std::min(size, kadoro::kRelBlockSize));
    int images = 0;
    kadoro::RelWalkCallbacks callbacks;
    callbacks.image = [&images](const kadoro::RelListedImage& image) {
        if (!IsSafeName(image.name) || image.sequenceNumber < 1) std::abort();
        // Stop now and then so that the early-stop path is fuzzed too.
        return ++images % 97 == 0 ? kadoro::RelVisit::Stop : kadoro::RelVisit::Continue;
    };
    kadoro::WalkRelIndex(bytes, callbacks);
    return 0;
}
