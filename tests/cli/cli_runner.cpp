// Running kadoro-cli as a child process.
#include "cli/cli_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <stdexcept>

#include "support/fixture_files.h"
#include "support/temp_folder.h"

namespace kadoro::test {

std::vector<std::string> CliResult::outLines() const {
    std::vector<std::string> lines;
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

CliResult RunCli(const std::vector<std::string>& arguments, const std::vector<std::string>& runAs,
                 bool interruptAtStart) {
    TempFolder capture;
    const std::string outPath = capture.Join("out"), errPath = capture.Join("err");
    std::vector<std::string> command = runAs;
    command.push_back(KADORO_CLI_PATH);
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (interruptAtStart) {
            // Blocked and pending, the signal survives exec and is there when the program looks.
            sigset_t interrupt;
            sigemptyset(&interrupt);
            sigaddset(&interrupt, SIGINT);
            ::sigprocmask(SIG_BLOCK, &interrupt, nullptr);
            ::kill(::getpid(), SIGINT);  // to the process, as a terminal sends it
        }
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    CliResult result;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto out = ReadFileBytes(outPath), err = ReadFileBytes(errPath);
    result.out.assign(out.begin(), out.end());
    result.err.assign(err.begin(), err.end());
    return result;
}

}  // namespace kadoro::test
