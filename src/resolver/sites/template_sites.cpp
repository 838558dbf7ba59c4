// Sites whose player script holds the whole audio address as a template, with
// the placeholder '+file+' where the play page's file value belongs: 92cc and
// dj97. They share the template step but not the steps before it.
#include "net/fetch.h"
#include "resolver/recipe_steps.h"
#include "resolver/site_hosts.h"
#include "resolver/sites/site_recipes.h"
#include "text/text_toolkit.h"

namespace tunelark {
namespace {

struct TemplateScript {
  std::string_view address;
  std::string_view templateStart;
  std::string_view templateEnd;
};

// Both templates are the src attribute of a <video> tag in the player script.
constexpr TemplateScript k92ccScript{k92ccScriptAddress, "ipadbg.png\" src=\"",
                                     "\" type=\"video/mp4\" "};
constexpr TemplateScript kDj97Script{kDj97ScriptAddress, "png\" src=\"", "\" type="};

// The script is downloaded afresh on every run, never kept.
void WriteFromTemplate(ResolverView& view, const TemplateScript& script, std::string_view file) {
  const std::string addressTemplate =
      ExtractBetween(FetchText(script.address), script.templateStart, script.templateEnd);
  view.WriteDownloadText(ReplaceText(addressTemplate, "'+file+'", file));
}

}  // namespace

RecipeResult Resolve92cc(ResolverView& view) {
  const SiteRow& site = SiteTable[k92ccRow];
  const std::string page = PageStep(view);
  PauseStep(view);
  TitleStep(view, page, site);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  const std::string file = ExtractBetween(page, "var danceFilePath = \"", "\";");
  WriteFromTemplate(view, k92ccScript, file);
  return RecipeResult::Completed;
}

// dj97's <title> carries the site's name; the song's own name is in a script
// variable, and only a page that passed the check may overwrite Title.
RecipeResult ResolveDj97(ResolverView& view) {
  const SiteRow& site = SiteTable[kDj97Row];
  const std::string page = PageStep(view);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  TitleStep(view, page, site);
  // The value is a script literal in single quotes; double quotes stay.
  const std::string file = ReplaceText(ExtractBetween(page, "var dance_file = ", ";"), "'");
  WriteFromTemplate(view, kDj97Script, file);
  return RecipeResult::Completed;
}

}  // namespace tunelark
