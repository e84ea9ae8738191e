// What every converter of one run shares: the caller's options, the log and the name memo.
#pragma once

#include "common/log_sink.h"
#include "convert/naming.h"

namespace kadoro {

struct RunOptions {
    int schemeIndex = 0;        // 0-10, the scheme list's selected index
    bool deleteSource = false;  // "元ﾌｧｲﾙ削除": delete each source file once its copy is safe
};

struct ConversionContext {
    ConversionContext(LogSink& sink, RunOptions runOptions) : log(sink), options(runOptions) {}

    LogSink& log;
    RunOptions options;
    FreeNameMemo freeNames;
};

}  // namespace kadoro
