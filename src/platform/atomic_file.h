// Replacing a small file's content so that a crash leaves the old content or the new, never half.
#pragma once

#include <string>
#include <string_view>

namespace kadoro {

// Writes content to a temporary file beside path, flushes it, renames it over path and flushes
// the folder. False, with path untouched, when any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace kadoro
