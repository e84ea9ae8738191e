// Folder and file-name texts.
#include "platform/path_text.h"

namespace kadoro {
namespace {

#ifdef _WIN32
constexpr std::string_view kNameBoundaries = "\\:";
#else
constexpr std::string_view kNameBoundaries = "/";
#endif

}  // namespace

std::string JoinFolderPath(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    if (!path.empty() && path.back() != kFolderSeparator) path += kFolderSeparator;
    path += fileName;
    return path;
}

std::string_view FileNamePart(std::string_view path) {
    const auto boundary = path.find_last_of(kNameBoundaries);
    return boundary == std::string_view::npos ? path : path.substr(boundary + 1);
}

std::string UpperCasedExtension(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return {};
    const std::string_view extension = fileName.substr(dot);
    if (extension.find_first_of(kNameBoundaries) != std::string_view::npos) return {};
    return AsciiUpper(extension);
}

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

}  // namespace kadoro
