// A log sink that prints each line to standard output as it is written.
#pragma once

#include <cstdio>

#include "common/log_sink.h"

namespace kadoro::cli {

class PrintingLogSink : public LogSink {
public:
    // Lines already printed stay on the terminal; every command starts with an empty log anyway.
    void Clear() override {}
    void AppendLine(const std::string& line) override {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
};

}  // namespace kadoro::cli
