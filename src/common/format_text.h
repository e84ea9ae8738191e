// printf into a std::string, for the file names and report lines built from fixed formats.
#pragma once

#include <cstdio>
#include <string>

namespace kadoro {

template <typename... Values>
std::string FormatText(const char* format, Values... values) {
    const int size = std::snprintf(nullptr, 0, format, values...);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, format, values...);
    return text;
}

}  // namespace kadoro
