// Size of the pieces a response body is read in, worked out from the
// response's Content-Length the way the Windows build reads it: one byte
// more than a small body so that the read reporting its end comes at once,
// and a bounded piece for everything else.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tunelark {

inline constexpr std::size_t kLargestPiece = 102400;
inline constexpr std::size_t kUnknownLengthPiece = 10240;

// `contentLength` is the header's value as text, or nothing when the
// response has none. Its leading decimal number counts (after leading white
// space and an optional sign): n of at least 1 gives n + 1 bytes, at most
// kLargestPiece; 0, a negative value, no number, or a value longer than 31
// bytes (it does not fit the 32-byte field it is read into) give
// kUnknownLengthPiece.
std::size_t PieceSize(std::optional<std::string_view> contentLength);

}  // namespace tunelark
