// hi193: the play page names a site address whose answer is the audio
// address itself.
#include "net/fetch.h"
#include "resolver/recipe_steps.h"
#include "resolver/site_hosts.h"
#include "resolver/sites/site_recipes.h"
#include "text/text_toolkit.h"

namespace tunelark {

RecipeResult ResolveHi193(ResolverView& view) {
  const SiteRow& site = SiteTable[kHi193Row];
  const std::string page = PageStep(view);
  PauseStep(view);
  TitleStep(view, page, site);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  const std::string value = ExtractBetween(page, "<param name=\"url\" value=\"", "\">");
  PauseStep(view);
  // The answer goes into Download whole, whatever it is.
  view.WriteDownloadText(FetchText(ConcatText(kHi193BaseAddress, value)));
  return RecipeResult::Completed;
}

}  // namespace tunelark
