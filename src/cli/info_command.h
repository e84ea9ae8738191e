// kadoro-cli info: the information report of one file.
#pragma once

#include <string>
#include <vector>

namespace kadoro::cli {

inline constexpr const char* kInfoUsage = "kadoro-cli info FILE";

// Arguments after the subcommand's name; returns the report's result (0-4) or 64.
int RunInfoCommand(const std::vector<std::string>& arguments);

}  // namespace kadoro::cli
