// Joins texts known at compile time into one constant, so that an address or
// a site label can be built from the host constants and still be a
// std::string_view with static storage.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tunelark {

template <const std::string_view&... Parts>
class JoinedText {
  static constexpr std::size_t kLength = (Parts.size() + ... + 0);

  static constexpr std::array<char, kLength> Join() {
    std::array<char, kLength> bytes{};
    std::size_t at = 0;
    for (std::string_view part : {Parts...}) {
      for (char byte : part) {
        bytes[at++] = byte;
      }
    }
    return bytes;
  }

  static constexpr std::array<char, kLength> bytes_ = Join();

 public:
  static constexpr std::string_view value{bytes_.data(), kLength};
};

}  // namespace tunelark
