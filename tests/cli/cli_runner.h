// Runs the real kadoro-cli binary and collects what it printed and its exit status.
#pragma once

#include <string>
#include <vector>

namespace kadoro::test {

struct CliResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
    std::vector<std::string> outLines() const;
};

// runAs, when not empty, is a command prefix (for example setpriv to drop root).
CliResult RunCli(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& runAs = {});

}  // namespace kadoro::test
