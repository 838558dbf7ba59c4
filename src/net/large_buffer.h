// A hint to the memory system for the few buffers that grow to many
// megabytes (large bodies): backing them with huge pages turns hundreds of
// thousands of page faults into a few hundred, which is most of the cost of
// taking a large body into memory.
#pragma once

#include <cstddef>

namespace tunelark {

// Advises huge pages for the whole pages inside [data, data + size); does
// nothing for small buffers or where the system has no such hint.
void AdviseLargeBuffer(char* data, std::size_t size);

}  // namespace tunelark
