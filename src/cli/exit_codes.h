// Exit statuses that every kadoro-cli subcommand shares.
#pragma once

namespace kadoro::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
// A usage error or a folder that does not exist; the subcommands' own results stay below it.
inline constexpr int kExitUsage = 64;
// convert: the source folder exists but its files cannot be listed.
inline constexpr int kExitNoInput = 66;
// convert stopped by a signal: 128 + its number, as shells report it (130 for Ctrl+C).
inline constexpr int kExitSignalBase = 128;

}  // namespace kadoro::cli
