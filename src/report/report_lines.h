// Building report lines: every label stands in a 21-column field followed by ": ".
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kadoro {

// printf into a std::string; the formats are the report's own literals.
template <typename... Values>
std::string FormatLine(const char* format, Values... values) {
    const int size = std::snprintf(nullptr, 0, format, values...);
    std::string line(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    std::snprintf(line.data(), line.size() + 1, format, values...);
    return line;
}

inline std::string UsedOrNot(std::string_view label, int value) {
    return std::string(label) + (value != 0 ? "使用" : "未使用");
}

}  // namespace kadoro
