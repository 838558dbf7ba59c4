#include <exception>
#include <iostream>

#include "cli/cli_run.h"

int main(int argc, char** argv) {
  // Standard output carries UTF-8 made from page bytes; C stdio is not used,
  // so the streams need not stay in step with it.
  std::ios::sync_with_stdio(false);
  try {
    return tunelark::RunCli(argc, argv, std::cin, std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "tunelark-cli: " << error.what() << '\n';
  } catch (...) {
    std::cerr << "tunelark-cli: unexpected failure\n";
  }
  return tunelark::kExitSomeUnresolved;
}
