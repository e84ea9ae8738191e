// kadoro-cli convert.
#include "cli/convert_command.h"

#include <csignal>
#include <cstdio>
#include <optional>
#include <utility>

#include "cli/exit_codes.h"
#include "cli/folder_argument.h"
#include "cli/interrupt_watch.h"
#include "cli/printing_log_sink.h"
#include "common/system_texts.h"
#include "convert/run_driver.h"
#include "platform/folder_listing.h"

namespace kadoro::cli {
namespace {

struct ConvertArguments {
    RunOptions options;
    std::string sourceArgument;  // as given, for messages
    std::string sourceFolder;
    std::string destinationFolder;
    std::vector<std::string> fileNames;  // empty: every file the source file list would show
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "kadoro-cli convert: %s\nusage: %s\n", message.c_str(), kConvertUsage);
    return kExitUsage;
}

std::optional<int> ParseScheme(const std::string& text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (!IsValidScheme(value)) return std::nullopt;
    return value;
}

// Parses the arguments into parsed; returns an error message, or nothing when they are valid.
std::optional<std::string> ParseArguments(const std::vector<std::string>& arguments,
                                          ConvertArguments& parsed) {
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            positional.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--delete") {
            parsed.options.deleteSource = true;
        } else if (argument == "--scheme" || argument.starts_with("--scheme=")) {
            std::string value;
            if (argument == "--scheme") {
                if (i + 1 == arguments.size()) return "--scheme needs a number from 0 to 10";
                value = arguments[++i];
            } else {
                value = argument.substr(9);
            }
            const auto scheme = ParseScheme(value);
            if (!scheme) return "--scheme takes a number from 0 to 10, not '" + value + "'";
            parsed.options.schemeIndex = *scheme;
        } else {
            return "unknown option '" + argument + "'";
        }
    }
    if (positional.size() < 2) return "SOURCE_FOLDER and DEST_FOLDER are required";
    parsed.sourceArgument = positional[0];
    parsed.sourceFolder = NormaliseFolderArgument(positional[0]);
    parsed.destinationFolder = NormaliseFolderArgument(positional[1]);
    parsed.fileNames.assign(positional.begin() + 2, positional.end());
    for (const std::string& name : parsed.fileNames) {
        if (name.find('/') != std::string::npos || name == "." || name == "..") {
            return "FILE must be a bare name in SOURCE_FOLDER, not '" + name + "'";
        }
    }
    if (!IsExistingFolder(parsed.sourceFolder)) {
        return "source folder '" + positional[0] + "' does not exist";
    }
    if (!IsExistingFolder(parsed.destinationFolder)) {
        return "destination folder '" + positional[1] + "' does not exist";
    }
    return std::nullopt;
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& arguments) {
    const InterruptWatch interrupts;
    ConvertArguments parsed;
    if (const auto error = ParseArguments(arguments, parsed)) return UsageError(*error);

    RunRequest request{parsed.sourceFolder, parsed.destinationFolder, {}, parsed.options};
    std::vector<std::string> names = parsed.fileNames;
    if (names.empty()) {
        FolderListing listing = ListFolderFiles(parsed.sourceFolder, kCameraFileMask);
        if (listing.error) {
            std::fprintf(stderr, "kadoro-cli convert: cannot read source folder '%s': %s\n",
                         parsed.sourceArgument.c_str(), listing.error.message().c_str());
            return kExitNoInput;
        }
        names = std::move(listing.names);
    }
    for (const std::string& name : names)
        request.files.push_back({name, true});

    PrintingLogSink log;
    const RunSummary summary = RunConversion(request, log, nullptr, interrupts.token());
    log.AppendLine(texts::kConversionFinished);
    std::fflush(stdout);
    if (summary.stopped) {
        std::fprintf(stderr,
                     "kadoro-cli convert: stopped after %zu of %zu files; every copy made is "
                     "complete and no source was deleted without its copy\n",
                     summary.finished, summary.selected);
        return kExitSignalBase + (interrupts.signal() != 0 ? interrupts.signal() : SIGINT);
    }
    return summary.failed == 0 ? kExitSuccess : kExitFailure;
}

}  // namespace kadoro::cli
