#include "cli/resolve_record.h"

#include <utility>

#include "net/address.h"

namespace tunelark {

bool FoundAudioAddress(std::string_view download) {
  if (download.empty()) return false;
  const auto parts = SplitAddress(CanonicalizeAddress(download));
  return !parts || parts->target != "/";
}

ResolveRecord RecordOf(std::string address, int siteRow, const ConsoleView& view) {
  ResolveRecord record;
  record.address = std::move(address);
  record.siteRow = siteRow;
  record.title = view.Title();
  record.download = view.Download();
  record.notices = view.Notices();
  record.ok = FoundAudioAddress(record.download);
  return record;
}

}  // namespace tunelark
