// Sites that keep the media host in a script of their own and put only the
// file's path into the play page: hcdj, dj520, 9ku and mydj99. One recipe
// serves them all; they differ only in the markers below.
#include "net/fetch.h"
#include "resolver/recipe_steps.h"
#include "resolver/site_hosts.h"
#include "resolver/sites/site_recipes.h"
#include "text/text_toolkit.h"

namespace tunelark {
namespace {

struct PrefixSite {
  SiteRowIndex row;
  std::string_view valueStart;  // the file's path in the play page
  std::string_view valueEnd;
  std::string_view scriptAddress;
  std::string_view prefixStart;  // the media host in the script
  std::string_view prefixEnd;
  bool dropsDoubleQuotes;  // from value and prefix, which hcdj cuts with their quotes
};

constexpr PrefixSite kHcdj{
    .row = kHcdjRow,
    .valueStart = "var url=",
    .valueEnd = ";",
    .scriptAddress = kHcdjScriptAddress,
    .prefixStart = "s_hcdjstr=\"",
    .prefixEnd = "\";//",
    .dropsDoubleQuotes = true,
};
constexpr PrefixSite kDj520{
    .row = kDj520Row,
    .valueStart = "var listen_url = surl+\"",
    .valueEnd = "\";",
    .scriptAddress = kDj520ScriptAddress,
    .prefixStart = "var str=new Array(\"",  // the first of the site's media hosts
    .prefixEnd = "\",\"",
    .dropsDoubleQuotes = false,
};
constexpr PrefixSite k9ku{
    .row = k9kuRow,
    .valueStart = "firstplay=DzUrl+\"",
    .valueEnd = "\";}",
    .scriptAddress = k9kuScriptAddress,
    .prefixStart = "var DzUrl=\"",
    .prefixEnd = "\";",
    .dropsDoubleQuotes = false,
};
constexpr PrefixSite kMydj99{
    .row = kMydj99Row,
    .valueStart = "strFile = strFile + \"",
    .valueEnd = "\";",
    .scriptAddress = kMydj99ScriptAddress,
    .prefixStart = "var strFile = \"",
    .prefixEnd = "\";",
    .dropsDoubleQuotes = false,
};

std::string Cleaned(std::string text, const PrefixSite& site) {
  return site.dropsDoubleQuotes ? ReplaceText(text, "\"") : text;
}

RecipeResult ResolvePrefixSite(ResolverView& view, const PrefixSite& prefixSite) {
  const SiteRow& site = SiteTable[prefixSite.row];
  const std::string page = PageStep(view);
  TitleStep(view, page, site);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  const std::string value =
      Cleaned(ExtractBetween(page, prefixSite.valueStart, prefixSite.valueEnd), prefixSite);
  const std::string script = FetchText(prefixSite.scriptAddress);
  const std::string prefix =
      Cleaned(ExtractBetween(script, prefixSite.prefixStart, prefixSite.prefixEnd), prefixSite);
  view.WriteDownloadText(ConcatText(prefix, value));
  return RecipeResult::Completed;
}

}  // namespace

RecipeResult ResolveHcdj(ResolverView& view) { return ResolvePrefixSite(view, kHcdj); }
RecipeResult ResolveDj520(ResolverView& view) { return ResolvePrefixSite(view, kDj520); }
RecipeResult Resolve9ku(ResolverView& view) { return ResolvePrefixSite(view, k9ku); }
RecipeResult ResolveMydj99(ResolverView& view) { return ResolvePrefixSite(view, kMydj99); }

}  // namespace tunelark
