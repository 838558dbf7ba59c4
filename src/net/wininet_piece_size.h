// How the Windows build sizes its reads: the response's Content-Length as
// WinINet hands it over, into PieceSize.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstddef>

namespace tunelark {

// The piece size for the body of a sent request; the header is read into a
// 32-byte field, so a longer value counts as missing.
std::size_t ResponsePieceSize(HINTERNET request);

}  // namespace tunelark
