#include "cli/cli_options.h"

#include <CLI/CLI.hpp>

#include "cli/site_detection.h"

#ifndef TUNELARK_VERSION
#error "TUNELARK_VERSION must be defined by the build"
#endif

namespace tunelark {
namespace {

ParsedCommandLine UsageError(std::string reason) {
  ParsedCommandLine parsed;
  parsed.outcome = ParsedCommandLine::Outcome::UsageError;
  // Parser messages may span lines; the error must stay one line.
  for (char& c : reason) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  while (!reason.empty() && reason.back() == ' ') reason.pop_back();
  parsed.text = std::move(reason);
  return parsed;
}

ParsedCommandLine ShowText(std::string text) {
  ParsedCommandLine parsed;
  parsed.outcome = ParsedCommandLine::Outcome::ShowText;
  parsed.text = std::move(text);
  return parsed;
}

std::string Footer() {
  return "Without --site, the site is the one whose key occurs in the host of the address.\n"
         "Site keys, in row order: " + SiteKeyList() + "\n"
         "Batch file: one address a line; blank lines and lines starting with # are skipped.\n"
         "Addresses from the command line come first, then those of the batch file.\n"
         "Each address prints its record, failed or not, so records follow the addresses' order.\n"
         "Plain output prints control characters of a title or address as blanks; -j keeps them.\n"
         "Notices of the sites go to standard error.\n"
         "Exit status: 0 every address gave an audio address, 1 some did not, 2 usage error.";
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  CLI::App app{"Turns a song's play-page address into its title and the address of its audio file.",
               "tunelark-cli"};
  app.footer(Footer());

  CliOptions options;
  std::string site;
  auto* siteOption = app.add_option("--site", site, "site row 0 to 12, or its key (see --list-sites)")
                         ->type_name("SITE");
  auto* titleFlag = app.add_flag("-e,--get-title", options.getTitle, "print the title alone");
  auto* urlFlag = app.add_flag("-g,--get-url", options.getUrl, "print the audio address alone");
  auto* jsonFlag = app.add_flag("-j,--json", options.json, "print one JSON object a line (not with -e or -g)");
  auto* batchOption = app.add_option("-a,--batch-file", options.batchFile,
                                     "read addresses from FILE, one a line; - for standard input")
                          ->type_name("FILE");
  auto* listFlag = app.add_flag("--list-sites", options.listSites, "list index, key and label of each site");
  auto* addressArgs = app.add_option("ADDRESS", options.addresses, "play-page addresses");
  app.set_version_flag("--version", "tunelark-cli " TUNELARK_VERSION);

  // -j already carries the title and the address, so the plain selectors
  // make no sense beside it.
  jsonFlag->excludes(urlFlag)->excludes(titleFlag);
  listFlag->excludes(siteOption)->excludes(titleFlag)->excludes(urlFlag)->excludes(batchOption)
      ->excludes(addressArgs);
  // The help shows what each option takes, not the exclusions just made.
  siteOption->option_text("SITE");
  batchOption->option_text("FILE");
  addressArgs->option_text("...");
  for (CLI::Option* flag : {titleFlag, urlFlag, jsonFlag, listFlag}) flag->option_text(" ");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return ShowText(app.help());
  } catch (const CLI::CallForAllHelp&) {
    return ShowText(app.help());
  } catch (const CLI::CallForVersion& version) {
    return ShowText(std::string(version.what()) + '\n');
  } catch (const CLI::ParseError& error) {
    return UsageError(error.what());
  }

  if (siteOption->count() > 0) {
    options.siteRow = ParseSiteArgument(site);
    if (options.siteRow < 0) {
      return UsageError("unknown site '" + site + "'; use a row 0 to 12 or one of the keys " + SiteKeyList());
    }
  }
  ParsedCommandLine parsed;
  parsed.options = std::move(options);
  return parsed;
}

}  // namespace tunelark
