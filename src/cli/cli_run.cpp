#include "cli/cli_run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_input.h"
#include "cli/cli_options.h"
#include "cli/console_view.h"
#include "cli/output_format.h"
#include "cli/resolve_record.h"
#include "cli/site_detection.h"
#include "resolver/resolve_command.h"
#include "resolver/site_table.h"

namespace tunelark {
namespace {

int UsageError(std::ostream& err, std::string_view reason) {
  err << "tunelark-cli: " << DisplayLine(reason) << " (try --help)\n" << std::flush;
  return kExitUsageError;
}

std::string KeysOf(const std::vector<int>& rows) {
  std::string keys;
  for (const int row : rows) {
    if (!keys.empty()) keys += ", ";
    keys += SiteTable[static_cast<std::size_t>(row)].key;
  }
  return keys;
}

// The batch addresses, or the reason they could not be read.
struct BatchRead {
  std::vector<std::string> addresses;
  std::optional<std::string> failure;
};

// Output lost on its way (a full disk, a closed pipe with SIGPIPE ignored)
// must not pass for success.
int Finish(std::ostream& out, std::ostream& err, int status) {
  out.flush();
  if (out) return status;
  err << "tunelark-cli: cannot write to standard output\n" << std::flush;
  return kExitSomeUnresolved;
}

BatchRead ReadBatch(const std::string& name, std::istream& standardInput) {
  BatchRead read;
  if (name == "-") {
    read.addresses = ReadBatchAddresses(standardInput);
    if (standardInput.bad()) read.failure = "cannot read the batch list from standard input";
    return read;
  }
  errno = 0;
  std::ifstream file(name, std::ios::binary);
  if (file.is_open()) {
    read.addresses = ReadBatchAddresses(file);
    if (!file.bad()) return read;
  }
  const int error = errno;
  read.failure = "cannot read batch file '" + name + "'" + (error != 0 ? std::string(": ") + std::strerror(error) : "");
  return read;
}

// The row of each address: the one of --site, or the one its host names.
// The reason when an address names no row or several.
std::optional<std::string> AssignSites(const std::vector<std::string>& addresses, int siteRow,
                                       std::vector<int>& rows) {
  rows.clear();
  for (const std::string& address : addresses) {
    if (siteRow >= 0) {
      rows.push_back(siteRow);
      continue;
    }
    const std::vector<int> named = SitesNamedByHost(address);
    if (named.size() == 1) {
      rows.push_back(named.front());
    } else if (named.empty()) {
      return "cannot tell the site of '" + address + "': its host names none of the keys " + SiteKeyList() +
             "; choose one with --site";
    } else {
      return "cannot tell the site of '" + address + "': its host names more than one key (" + KeysOf(named) +
             "); choose one with --site";
    }
  }
  return std::nullopt;
}

OutputMode ModeOf(const CliOptions& options) {
  if (options.json) return OutputMode::Json;
  if (options.getTitle && options.getUrl) return OutputMode::TitleAndDownload;
  if (options.getTitle) return OutputMode::TitleOnly;
  if (options.getUrl) return OutputMode::DownloadOnly;
  return OutputMode::Labelled;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
  switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::ShowText:
      out << parsed.text;
      return Finish(out, err, kExitAllResolved);
    case ParsedCommandLine::Outcome::UsageError:
      return UsageError(err, parsed.text);
    case ParsedCommandLine::Outcome::Run:
      break;
  }
  const CliOptions& options = parsed.options;

  if (options.listSites) {
    out << FormatSiteList(options.json);
    return Finish(out, err, kExitAllResolved);
  }

  std::vector<std::string> addresses = options.addresses;
  if (options.batchFile) {
    BatchRead batch = ReadBatch(*options.batchFile, in);
    if (batch.failure) return UsageError(err, *batch.failure);
    addresses.insert(addresses.end(), batch.addresses.begin(), batch.addresses.end());
  }
  if (addresses.empty()) return UsageError(err, "no address given");

  std::vector<int> rows;
  if (const auto failure = AssignSites(addresses, options.siteRow, rows)) return UsageError(err, *failure);
  const OutputMode mode = ModeOf(options);

  // A terminal run is like a window that has just been created: the one-time
  // notice is due once for the whole process, not once per address.
  OnceNoticePending = 1;
  bool allResolved = true;
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    ConsoleView view(addresses[i], rows[i], err);
    ResolveCommand(view);
    const ResolveRecord record = RecordOf(addresses[i], rows[i], view);
    out << FormatRecord(record, mode) << std::flush;
    if (!record.ok) {
      allResolved = false;
      err << "tunelark-cli: no audio address found in " << DisplayLine(record.address) << '\n' << std::flush;
    }
  }
  return Finish(out, err, allResolved ? kExitAllResolved : kExitSomeUnresolved);
}

}  // namespace tunelark
