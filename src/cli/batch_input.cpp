#include "cli/batch_input.h"

#include <string_view>

namespace tunelark {

std::vector<std::string> ReadBatchAddresses(std::istream& in) {
  std::vector<std::string> addresses;
  std::string line;
  while (std::getline(in, line)) {
    std::string_view address(line);
    address = address.substr(0, address.find('\0'));
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = address.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) continue;
    address = address.substr(first, address.find_last_not_of(kBlanks) - first + 1);
    if (address.front() == '#') continue;
    addresses.emplace_back(address);
  }
  return addresses;
}

}  // namespace tunelark
