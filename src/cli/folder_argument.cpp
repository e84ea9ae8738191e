// Folder arguments of kadoro-cli.
#include "cli/folder_argument.h"

#include <filesystem>

namespace kadoro::cli {

std::string NormaliseFolderArgument(const std::string& argument) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(argument, error);
    if (error) path = argument;
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

}  // namespace kadoro::cli
