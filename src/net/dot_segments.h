// Resolution of "." and ".." path segments, as a browser resolves a path
// before requesting it.
#pragma once

#include <string>
#include <string_view>

namespace tunelark {

// The path with every "." segment dropped and every ".." segment removing
// the segment before it; ".." above the root stays at the root. A path
// without dot segments comes back unchanged, so applying it twice gives the
// same as applying it once.
std::string RemoveDotSegments(std::string_view path);

}  // namespace tunelark
