// kadoro-cli convert: a conversion run from the command line.
#pragma once

#include <string>
#include <vector>

namespace kadoro::cli {

inline constexpr const char* kConvertUsage =
    "kadoro-cli convert [--scheme N] [--delete] SOURCE_FOLDER DEST_FOLDER [FILE ...]";

// Arguments after the subcommand's name; returns the exit status.
int RunConvertCommand(const std::vector<std::string>& arguments);

}  // namespace kadoro::cli
