// The log line of a converter that was given a scheme index that names no scheme.
#pragma once

#include <string_view>

namespace kadoro {

inline constexpr std::string_view kNoSchemeLine = "命名方式が選択されていません";

}  // namespace kadoro
