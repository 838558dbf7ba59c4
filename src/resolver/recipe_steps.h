// The steps the site recipes are built from. Each recipe runs them in its own
// order; see the recipe files under sites/.
#pragma once

#include <string>
#include <string_view>

#include "resolver/resolver_view.h"
#include "resolver/site_table.h"

namespace tunelark {

// Every pause of a recipe lasts this long; it keeps the window live between
// downloads.
inline constexpr int kRecipePauseMilliseconds = 100;

// Reads the address afresh (it may have been edited during a pause) and
// downloads it: the page text of the run.
std::string PageStep(ResolverView& view);

// Writes what stands between the site's title markers into Title.
void TitleStep(ResolverView& view, std::string_view page, const SiteRow& site);

// True when the page holds the site's check token. Otherwise shows the
// wrong-site notice and gives false: the recipe then returns Stopped.
bool CheckStep(ResolverView& view, std::string_view page, const SiteRow& site);

void PauseStep(ResolverView& view);

}  // namespace tunelark
