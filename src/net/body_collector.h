// Collects a response body as it arrives, up to a fixed cap, so that a
// hostile or endless response cannot take all of the memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tunelark {

// Largest body a fetch returns; the bytes beyond it are not read.
inline constexpr std::size_t kMaxBodyBytes = std::size_t{256} * 1024 * 1024;

// A Content-Length value of decimal digits only (blanks around it allowed)
// that fits 64 bits; nothing for anything else.
std::optional<std::uint64_t> ParseContentLength(std::string_view value);

class BodyCollector {
 public:
  explicit BodyCollector(std::size_t cap = kMaxBodyBytes) : cap_(cap) {}

  // The length the response declares, used to size the buffer once before
  // the first bytes arrive, and only when it is within the cap: a larger or
  // made-up length must not decide an allocation.
  void DeclareLength(std::optional<std::uint64_t> length) { declared_ = length; }

  // Keeps as much of `bytes` as fits under the cap; returns how many it
  // kept. Fewer than given means the cap is reached and the transfer should
  // stop.
  std::size_t Append(std::string_view bytes);

  bool Full() const { return body_.size() >= cap_; }
  std::size_t Size() const { return body_.size(); }

  // The body collected so far, leaving the collector empty and ready for a
  // new body.
  std::string Take();

 private:
  std::size_t cap_;
  std::optional<std::uint64_t> declared_;
  bool started_ = false;
  bool advised_ = false;  // the buffer as it stands has had its hint
  std::string body_;
};

}  // namespace tunelark
