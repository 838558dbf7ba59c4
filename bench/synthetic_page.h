// A play page as the sites write them, grown to a few megabytes: HTML with
// GBK text, script blocks and the markers the recipes look for near its end.
#pragma once

#include <cstddef>
#include <string>

namespace tunelark::bench {

std::string SyntheticPage(std::size_t approximateBytes);

}  // namespace tunelark::bench
