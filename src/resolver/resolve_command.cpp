#include "resolver/resolve_command.h"

#include <optional>

#include "resolver/notices.h"
#include "resolver/site_table.h"
#include "text/text_toolkit.h"

namespace tunelark {

int OnceNoticePending = 0;

void ResolveCommand(ResolverView& view) noexcept {
  try {
    if (IsEmptyText(view.ReadUrlText())) {
      view.ShowNotice(kEmptyAddressNotice, StopIcon, std::nullopt);
      return;
    }
    // The selection is read again before every row: during a recipe's pause
    // the user may pick another site, and a higher row then runs as well.
    for (std::size_t row = 0; row < SiteTable.size(); ++row) {
      if (view.ReadSiteSelection() != static_cast<int>(row)) {
        continue;
      }
      if (SiteTable[row].recipe(view) == RecipeResult::Stopped) {
        return;
      }
    }
  } catch (const ViewClosed&) {
    // The window went away during a pause: there is nothing left to write to.
  }
}

}  // namespace tunelark
