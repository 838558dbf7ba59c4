// Address canonicalisation and splitting: no fault, the part limits always
// hold, and canonicalising twice gives what canonicalising once gave.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/address.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tunelark;
  const std::string_view address(reinterpret_cast<const char*>(data), size);
  const std::string_view cut = CutFragment(address);
  Check(cut.find('#') == std::string_view::npos);

  const std::string canonical = CanonicalizeAddress(cut);
  if (canonical.empty()) return 0;
  Check(CanonicalizeAddress(canonical) == canonical);

  const auto parts = SplitAddress(canonical);
  if (!parts) return 0;
  Check(!parts->scheme.empty());
  Check(!parts->host.empty() && parts->host.size() <= kMaxHostLength);
  Check(!parts->target.empty() && parts->target.front() == '/' &&
        parts->target.size() <= kMaxTargetLength);
  Check(parts->userName.size() <= kMaxUserNameLength);
  Check(parts->password.size() <= kMaxPasswordLength);
  Check(parts->port >= 0 && parts->port <= 65535);
  return 0;
}
