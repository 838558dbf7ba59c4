// tunelark-cli from its arguments to its exit status, with the streams it
// reads and writes passed in.
#pragma once

#include <istream>
#include <ostream>

namespace tunelark {

inline constexpr int kExitAllResolved = 0;
inline constexpr int kExitSomeUnresolved = 1;
inline constexpr int kExitUsageError = 2;

// Parses the command line, gathers the addresses (command line first, then
// the batch file), names the site of each, and only then resolves them one by
// one, so that a usage error never comes after part of the output.
int RunCli(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tunelark
