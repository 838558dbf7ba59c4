#include "net/body_collector.h"

#include <algorithm>
#include <limits>

#include "net/large_buffer.h"

namespace tunelark {

std::optional<std::uint64_t> ParseContentLength(std::string_view value) {
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r' ||
                            value.back() == '\n')) {
    value.remove_suffix(1);
  }
  if (value.empty()) return std::nullopt;
  std::uint64_t length = 0;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  for (char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    auto digit = static_cast<std::uint64_t>(c - '0');
    if (length > (kMax - digit) / 10) return std::nullopt;
    length = length * 10 + digit;
  }
  return length;
}

std::size_t BodyCollector::Append(std::string_view bytes) {
  if (!started_) {
    started_ = true;
    if (declared_ && *declared_ <= cap_) body_.reserve(static_cast<std::size_t>(*declared_));
  }
  std::size_t room = cap_ - std::min(cap_, body_.size());
  std::size_t kept = std::min(room, bytes.size());
  const std::size_t capacity = body_.capacity();
  if (body_.size() + kept > capacity) {
    // Growing as std::string does, but with the new block advised before
    // its pages are first touched.
    body_.reserve(std::min(cap_, std::max(body_.size() + kept, 2 * capacity)));
    AdviseLargeBuffer(body_.data(), body_.capacity());
  } else if (!advised_) {
    AdviseLargeBuffer(body_.data(), capacity);
  }
  advised_ = true;
  body_.append(bytes.data(), kept);
  return kept;
}

std::string BodyCollector::Take() {
  std::string body = std::move(body_);
  body_.clear();
  started_ = false;
  advised_ = false;
  declared_.reset();
  // A lying Content-Length may have reserved far more than arrived; the
  // caller should not carry that around.
  if (body.capacity() > 2 * body.size() + 4096) body.shrink_to_fit();
  return body;
}

}  // namespace tunelark
