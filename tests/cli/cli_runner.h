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

// runAs, when not empty, is a command prefix (for example setpriv to drop root). With
// interruptAtStart, a Ctrl+C (SIGINT) is already waiting for kadoro-cli when it starts: it meets
// the signal as early as a user could press the keys.
CliResult RunCli(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& runAs = {}, bool interruptAtStart = false);

}  // namespace kadoro::test
