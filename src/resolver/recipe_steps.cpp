#include "resolver/recipe_steps.h"

#include <optional>

#include "net/fetch.h"
#include "resolver/notices.h"
#include "text/text_toolkit.h"

namespace tunelark {

std::string PageStep(ResolverView& view) { return FetchText(view.ReadUrlText()); }

void TitleStep(ResolverView& view, std::string_view page, const SiteRow& site) {
  view.WriteTitleText(ExtractBetween(page, site.titleStart, site.titleEnd));
}

bool CheckStep(ResolverView& view, std::string_view page, const SiteRow& site) {
  if (FindText(page, site.checkToken) != -1) {
    return true;
  }
  view.ShowNotice(kWrongSiteNotice, StopIcon, kWrongSiteNoticeTitle);
  return false;
}

void PauseStep(ResolverView& view) { view.PauseWithDispatch(kRecipePauseMilliseconds); }

}  // namespace tunelark
