// Writing and inspecting the files that tests work on.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace kadoro::test {

using Bytes = std::vector<std::uint8_t>;

void WriteFileBytes(const std::string& path, const Bytes& bytes);
Bytes ReadFileBytes(const std::string& path);
// Names in the folder, hidden ones included, sorted byte-wise.
std::vector<std::string> FolderEntries(const std::string& folder);
// Sets the last-write (and access) time, in seconds since 1970.
void SetLastWriteTime(const std::string& path, std::time_t seconds);
std::time_t LastWriteTime(const std::string& path);
unsigned PermissionBits(const std::string& path);
void SetPermissionBits(const std::string& path, unsigned bits);

}  // namespace kadoro::test
