// kadoro-cli: the headless front end over the same core as the main window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/convert_command.h"
#include "cli/exit_codes.h"
#include "cli/info_command.h"
#include "convert/naming.h"

namespace {

void PrintUsage(std::FILE* stream) {
    std::fprintf(
        stream,
        "usage: %s\n"
        "       %s\n\n"
        "Copies camera files (.J6I, .REL, .JPG) from SOURCE_FOLDER into DEST_FOLDER under\n"
        "names built from the shooting date inside them; nothing is ever overwritten.\n"
        "Without FILE, every camera file of SOURCE_FOLDER is converted.\n"
        "info prints the information report of one camera file.\n\n"
        "  --scheme N  naming scheme 0-10 (default 0):\n",
        kadoro::cli::kConvertUsage, kadoro::cli::kInfoUsage);
    for (int scheme = 0; scheme < kadoro::kSchemeCount; ++scheme) {
        std::fprintf(stream, "               %2d  %s\n", scheme,
                     std::string(kadoro::SchemeItemText(scheme)).c_str());
    }
    std::fprintf(stream,
                 "  --delete    delete each source file once its copy is safely on disk\n\n"
                 "Exit status of convert: 0 all converted, 1 some file failed, 64 usage error,\n"
                 "66 source folder cannot be read, 130 stopped by Ctrl+C (the files done so far\n"
                 "stay done; nothing is left half-copied).\n"
                 "Exit status of info: 0 report complete, 1 REL index, 2 no camera data,\n"
                 "3 cannot open, 4 J6I header short, 64 usage error.\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        PrintUsage(stderr);
        return kadoro::cli::kExitUsage;
    }
    const std::string command = arguments.front();
    arguments.erase(arguments.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(stdout);
        return kadoro::cli::kExitSuccess;
    }
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            PrintUsage(stdout);
            return kadoro::cli::kExitSuccess;
        }
    }
    if (command == "convert") return kadoro::cli::RunConvertCommand(arguments);
    if (command == "info") return kadoro::cli::RunInfoCommand(arguments);
    std::fprintf(stderr, "kadoro-cli: unknown command '%s'\n", command.c_str());
    PrintUsage(stderr);
    return kadoro::cli::kExitUsage;
}
