// Addresses listed in a batch file, one a line.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace tunelark {

// The addresses of a batch list. Each line is cut at its first zero byte
// (an address is a text, and a text ends there) and stripped of blanks and
// tabs at both ends, which also removes the "\r" of a CRLF file; lines left
// empty and lines starting with "#" are skipped.
std::vector<std::string> ReadBatchAddresses(std::istream& in);

}  // namespace tunelark
