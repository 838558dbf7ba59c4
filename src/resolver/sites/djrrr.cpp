// djrrr: the play page names a playlist file of the site, and the playlist
// names the audio file.
#include <optional>

#include "net/fetch.h"
#include "resolver/recipe_steps.h"
#include "resolver/site_hosts.h"
#include "resolver/sites/site_recipes.h"
#include "text/text_toolkit.h"

namespace tunelark {
namespace {

// The playlist repeats this placeholder line before each entry; the song is
// the entry after the second one.
constexpr std::string_view kPlaylistEntryMark = "<copyright>cd_webname - cd_weburl</copyright>";

// Piece `index` (1-based) of `text` split at `delimiter`, or nothing when the
// split gives fewer pieces: the markup lacks what the recipe relies on.
std::optional<std::string> Piece(std::string_view text, std::string_view delimiter,
                                 std::int32_t index) {
  const TextList pieces = SplitText(text, delimiter);
  if (ListCount(pieces) < index) {
    return std::nullopt;
  }
  return ListItem(pieces, index);
}

// The playlist path: the value of the page's first <param> tag, without its
// quotes and the tag's closing ">". Whatever follows the tag up to the next
// <param> stays in it.
std::optional<std::string> PlaylistPath(std::string_view page) {
  const std::optional<std::string> tag = Piece(page, "<param name=", 2);
  if (!tag) {
    return std::nullopt;
  }
  const std::optional<std::string> value = Piece(*tag, "value=", 2);
  if (!value) {
    return std::nullopt;
  }
  return ReplaceText(ReplaceText(*value, "\""), ">");
}

// The href of the first <ref> in the song's entry, without quotes.
std::optional<std::string> AudioAddress(std::string_view playlist) {
  const std::optional<std::string> entry = Piece(playlist, kPlaylistEntryMark, 3);
  if (!entry) {
    return std::nullopt;
  }
  const std::optional<std::string> element = Piece(*entry, " />", 1);
  if (!element) {
    return std::nullopt;
  }
  const std::optional<std::string> href = Piece(*element, "<ref href=", 2);
  if (!href) {
    return std::nullopt;
  }
  return ReplaceText(*href, "\"");
}

}  // namespace

// A page or playlist without the markup the cuts rely on gives an empty
// Download; no playlist is requested for a path that was never found.
RecipeResult ResolveDjrrr(ResolverView& view) {
  const SiteRow& site = SiteTable[kDjrrrRow];
  const std::string page = PageStep(view);
  TitleStep(view, page, site);
  PauseStep(view);
  if (!CheckStep(view, page, site)) {
    return RecipeResult::Stopped;
  }
  std::optional<std::string> address;
  if (const std::optional<std::string> path = PlaylistPath(page)) {
    address = AudioAddress(FetchText(ConcatText(kDjrrrBaseAddress, *path)));
  }
  view.WriteDownloadText(address.value_or(std::string()));
  return RecipeResult::Completed;
}

}  // namespace tunelark
