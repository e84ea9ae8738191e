// Building report lines: every label stands in a 21-column field followed by ": ".
#pragma once

#include <string>
#include <string_view>

#include "common/system_texts.h"

namespace kadoro {

inline std::string UsedOrNot(std::string_view label, int value) {
    return std::string(label) + (value != 0 ? texts::kReportUsed : texts::kReportNotUsed);
}

}  // namespace kadoro
