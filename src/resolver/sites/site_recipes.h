// The recipe of each row of SiteTable, one per site.
#pragma once

#include "resolver/resolver_view.h"

namespace tunelark {

RecipeResult ResolveHi193(ResolverView& view);
RecipeResult ResolveDjkk(ResolverView& view);
RecipeResult Resolve92cc(ResolverView& view);
RecipeResult ResolveDjrrr(ResolverView& view);
RecipeResult Resolve3378(ResolverView& view);
RecipeResult ResolveHcdj(ResolverView& view);
RecipeResult ResolveDj97(ResolverView& view);
RecipeResult ResolveMixdj(ResolverView& view);
RecipeResult ResolveMvpdj(ResolverView& view);
RecipeResult ResolveDj520(ResolverView& view);
RecipeResult Resolve9ku(ResolverView& view);
RecipeResult ResolveCcc333(ResolverView& view);
RecipeResult ResolveMydj99(ResolverView& view);

}  // namespace tunelark
