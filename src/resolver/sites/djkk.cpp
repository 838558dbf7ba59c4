// djkk: the site changed its page encoding too often to keep up with, so the
// row only says so.
#include <optional>

#include "resolver/notices.h"
#include "resolver/sites/site_recipes.h"

namespace tunelark {

RecipeResult ResolveDjkk(ResolverView& view) {
  view.ShowNotice(kRetiredSiteNotice, NoIcon, std::nullopt);
  return RecipeResult::Stopped;
}

}  // namespace tunelark
