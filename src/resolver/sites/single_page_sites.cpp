// Sites whose play page holds the whole audio address, or all of it but the
// site's own host: 3378, MixDJ, MVPDJ and ccc333.
#include "resolver/notices.h"
#include "resolver/recipe_steps.h"
#include "resolver/resolve_command.h"
#include "resolver/site_hosts.h"
#include "resolver/sites/site_recipes.h"
#include "text/text_toolkit.h"

namespace tunelark {

RecipeResult Resolve3378(ResolverView& view) {
  const SiteRow& site = SiteTable[k3378Row];
  const std::string page = PageStep(view);
  TitleStep(view, page, site);
  PauseStep(view);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  // The address is an argument of the page's player call.
  view.WriteDownloadText(ExtractBetween(page, ",'1','url','", "','showaudiocontrols'"));
  return RecipeResult::Completed;
}

RecipeResult ResolveMixdj(ResolverView& view) {
  const SiteRow& site = SiteTable[kMixdjRow];
  const std::string page = PageStep(view);
  TitleStep(view, page, site);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  const std::string value = ExtractBetween(page, "var fileUrl = \"", "\";");
  view.WriteDownloadText(ConcatText(kMixdjPrefix, value));
  // The file behind the address has no usable name; the user is told once
  // per program start how to save it, after Download already shows it.
  if (OnceNoticePending == 1) {
    view.ShowNotice(kMixdjDownloadNotice, InformationIcon, kMixdjDownloadNoticeTitle);
    OnceNoticePending = 0;
  }
  return RecipeResult::Completed;
}

RecipeResult ResolveMvpdj(ResolverView& view) {
  const SiteRow& site = SiteTable[kMvpdjRow];
  const std::string page = PageStep(view);
  TitleStep(view, page, site);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  // The path stands in the page's JSON song record.
  const std::string value = ExtractBetween(page, ",\"url\":\"", "\",\"time\"");
  view.WriteDownloadText(ConcatText(kMvpdjPrefix, value));
  return RecipeResult::Completed;
}

RecipeResult ResolveCcc333(ResolverView& view) {
  const SiteRow& site = SiteTable[kCcc333Row];
  const std::string page = PageStep(view);
  TitleStep(view, page, site);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  view.WriteDownloadText(ExtractBetween(page, "var righturl=\"", "\";</script>"));
  return RecipeResult::Completed;
}

}  // namespace tunelark
