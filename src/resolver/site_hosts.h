// The hosts the recipes talk to and the domain names shown in the site list.
// Every fixed address a recipe downloads or hands to the user is built here,
// so this is the one place to change when a site moves.
#pragma once

#include <string_view>

#include "resolver/joined_text.h"

namespace tunelark {

inline constexpr std::string_view kHttpScheme = "http://";

inline constexpr std::string_view kHi193Host = "www.hi193.com";
inline constexpr std::string_view k92ccStaticHost = "static.92cc.com";
inline constexpr std::string_view kDjrrrHost = "www.djrrr.com";
inline constexpr std::string_view kHcdjHost = "www.hcdj.com";
inline constexpr std::string_view kDj97Host = "www.dj97.com";
inline constexpr std::string_view kMixdjHost = "www.mixdj.com";
inline constexpr std::string_view kMvpdjHost = "www.mvpdj.com";
inline constexpr std::string_view kDj520Host = "www.dj520.com";
inline constexpr std::string_view k9kuServiceHost = "dz.9ku.com";  // answers with the media host
inline constexpr std::string_view kMydj99CacheHost = "cache.mydj99.com";

// Domain names that the site list shows inside the labels.
inline constexpr std::string_view k3378Domain = "www.3378dj.com";
inline constexpr std::string_view kMvpdjDomain = "www.mvpdj.com";
inline constexpr std::string_view kMydj99Domain = "www.mydj99.com";

namespace site_paths {
inline constexpr std::string_view kRoot = "/";
inline constexpr std::string_view k92ccScript = "/mp/mp.js";
inline constexpr std::string_view kHcdjScript = "/play/playwma.js";
inline constexpr std::string_view kDj97Script = "/common/player.js";
inline constexpr std::string_view kDj520Script = "/js/djcode.js";
inline constexpr std::string_view kMydj99Script = "/script/server.js";
}  // namespace site_paths

// Bases to which a value from the play page is appended as it is.
inline constexpr std::string_view kHi193BaseAddress =
    JoinedText<kHttpScheme, kHi193Host, site_paths::kRoot>::value;
inline constexpr std::string_view kDjrrrBaseAddress =
    JoinedText<kHttpScheme, kDjrrrHost, site_paths::kRoot>::value;
inline constexpr std::string_view kMixdjPrefix =
    JoinedText<kHttpScheme, kMixdjHost, site_paths::kRoot>::value;
// No slash: the MVPDJ page's value begins with its own.
inline constexpr std::string_view kMvpdjPrefix = JoinedText<kHttpScheme, kMvpdjHost>::value;

// Site scripts that hold an address prefix or an address template.
inline constexpr std::string_view k92ccScriptAddress =
    JoinedText<kHttpScheme, k92ccStaticHost, site_paths::k92ccScript>::value;
inline constexpr std::string_view kHcdjScriptAddress =
    JoinedText<kHttpScheme, kHcdjHost, site_paths::kHcdjScript>::value;
inline constexpr std::string_view kDj97ScriptAddress =
    JoinedText<kHttpScheme, kDj97Host, site_paths::kDj97Script>::value;
inline constexpr std::string_view kDj520ScriptAddress =
    JoinedText<kHttpScheme, kDj520Host, site_paths::kDj520Script>::value;
inline constexpr std::string_view k9kuScriptAddress =
    JoinedText<kHttpScheme, k9kuServiceHost, site_paths::kRoot>::value;
inline constexpr std::string_view kMydj99ScriptAddress =
    JoinedText<kHttpScheme, kMydj99CacheHost, site_paths::kMydj99Script>::value;

}  // namespace tunelark
