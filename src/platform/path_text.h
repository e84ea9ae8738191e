// Folder and file-name texts: joining, the name part of a path and the upper-cased extension.
#pragma once

#include <string>
#include <string_view>

namespace kadoro {

#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

// A folder text ends in a separator only at a root ("/", or "C:\" on Windows); such a folder is
// joined to the name directly, every other one with one separator between them.
std::string JoinFolderPath(std::string_view folder, std::string_view fileName);

// What follows the last separator (and, on Windows, the last drive colon).
std::string_view FileNamePart(std::string_view path);

// The part from the last "." on, with only the ASCII letters a-z upper-cased; empty when there
// is no dot or a separator follows it. "photo.j6i.bak" gives ".BAK".
std::string UpperCasedExtension(std::string_view fileName);

// ASCII-only upper-casing; every other byte, multi-byte characters included, stays as it is.
std::string AsciiUpper(std::string_view text);

}  // namespace kadoro
