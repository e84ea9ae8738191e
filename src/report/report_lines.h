// Building report lines: every label stands in a 21-column field followed by ": ".
#pragma once

#include <string>
#include <string_view>

namespace kadoro {

inline std::string UsedOrNot(std::string_view label, int value) {
    return std::string(label) + (value != 0 ? "使用" : "未使用");
}

}  // namespace kadoro
