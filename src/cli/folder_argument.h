// Turning a folder given on the command line into the folder text the core expects.
#pragma once

#include <string>

namespace kadoro::cli {

// An absolute path without a trailing separator, except the root "/"; links are not resolved.
std::string NormaliseFolderArgument(const std::string& argument);

}  // namespace kadoro::cli
