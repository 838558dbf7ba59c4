// The operations that measure, cut and join by bytes, without a walk.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "text/text_toolkit.h"

namespace tunelark {

std::int32_t TextLength(std::string_view text) {
  constexpr std::size_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::min(text.size(), kMax));
}

std::string MidText(std::string_view text, std::int32_t start, std::int32_t length) {
  if (start < 1 || length <= 0) return {};
  const std::size_t offset = static_cast<std::size_t>(start) - 1;
  if (offset >= text.size()) return {};
  return std::string(text.substr(offset, static_cast<std::size_t>(length)));
}

std::string ExtractBetween(std::string_view source, std::string_view startMarker,
                           std::string_view endMarker) {
  const std::int32_t p = FindText(source, startMarker, 1);
  if (p == -1) return {};
  const std::int64_t a = std::int64_t{p} + TextLength(startMarker);
  if (a > std::numeric_limits<std::int32_t>::max()) return {};
  // The end marker is sought by a walk that begins right after the start
  // marker, so it never overlaps it.
  const std::int32_t q = FindText(source, endMarker, static_cast<std::int32_t>(a));
  if (q == -1) return {};
  return MidText(source, static_cast<std::int32_t>(a), static_cast<std::int32_t>(q - a));
}

std::string ConcatText(std::string_view first, std::string_view second) {
  std::string joined;
  joined.reserve(first.size() + second.size());
  joined.append(first).append(second);
  return joined;
}

bool IsEmptyText(std::string_view text) { return text.empty(); }

std::int32_t ListCount(const TextList& list) {
  constexpr std::size_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::min(list.size(), kMax));
}

std::string ListItem(const TextList& list, std::int32_t index) {
  if (index < 1 || index > ListCount(list)) return {};
  return list[static_cast<std::size_t>(index) - 1];
}

std::string BytesToText(std::string bytes) {
  const std::size_t zero = bytes.find('\0');
  if (zero != std::string::npos) bytes.resize(zero);
  return bytes;
}

}  // namespace tunelark
