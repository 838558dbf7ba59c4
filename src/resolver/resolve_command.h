// The one thing the program does: read the address and the chosen site from
// the view, run that site's recipe, and leave title and audio address in the
// view.
#pragma once

#include "resolver/resolver_view.h"

namespace tunelark {

// 1 while the one-time notice of the MixDJ row is still to be shown: 0 at
// program start, set to 1 by the front end once its view exists, 0 again
// after the notice.
extern int OnceNoticePending;

// Runs to its end before returning; never throws.
void ResolveCommand(ResolverView& view) noexcept;

}  // namespace tunelark
