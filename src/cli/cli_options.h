// The command line of tunelark-cli, parsed and checked.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tunelark {

struct CliOptions {
  int siteRow = -1;  // from --site; -1 when the host of each address decides
  bool getTitle = false;
  bool getUrl = false;
  bool json = false;
  bool listSites = false;
  std::optional<std::string> batchFile;  // "-" for standard input
  std::vector<std::string> addresses;    // as given, in order
};

struct ParsedCommandLine {
  enum class Outcome {
    Run,         // `options` holds what to do
    ShowText,    // --help or --version: print `text` to standard output, exit 0
    UsageError,  // `text` is the one-line reason
  };
  Outcome outcome = Outcome::Run;
  CliOptions options;
  std::string text;
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace tunelark
