// Exit statuses that every kadoro-cli subcommand shares.
#pragma once

namespace kadoro::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
// A usage error or a folder that does not exist; the subcommands' own results stay below it.
inline constexpr int kExitUsage = 64;

}  // namespace kadoro::cli
