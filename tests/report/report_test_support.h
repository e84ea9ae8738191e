// What the information report tests share: a fixed time-stamp format and the general lines.
#pragma once

#include <ctime>
#include <string>

#include "support/fixture_files.h"

namespace kadoro::test {

// Year/month/day and, unless left out, hours:minutes:seconds; fixed so tests need no locale.
inline std::string IsoTimeStamp(const std::tm& local, bool withTime) {
    char text[64];
    std::strftime(text, sizeof text, withTime ? "%Y/%m/%d %H:%M:%S" : "%Y/%m/%d", &local);
    return text;
}

// 1997-11-23 14:05:10 in the JST-9 zone the report tests run in.
inline constexpr std::time_t kStampSeconds = 880261510;
inline constexpr const char* kStampLine = "ﾌｧｲﾙ ﾀｲﾑｽﾀﾝﾌﾟ        : 1997/11/23 14:05:10";

}  // namespace kadoro::test
