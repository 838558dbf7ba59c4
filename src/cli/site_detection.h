// Which row of the site table an address or a --site argument means.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tunelark {

// The row named by a --site argument: a decimal index 0 to 12 or a site key
// in any case; -1 when it names none.
int ParseSiteArgument(std::string_view argument);

// The host name of an address, lower case. Taken from the address as page
// fetch would split it; an address fetch cannot use still gets a host by a
// plain cut after "scheme://", so that its site can be named.
std::string HostOfAddress(std::string_view address);

// Every row whose key occurs in the host of the address, in table order.
// The site is known only when exactly one row matches: short keys such as
// "9ku" may also turn up inside another site's host.
std::vector<int> SitesNamedByHost(std::string_view address);

// The keys of all rows joined by ", ", for messages.
std::string SiteKeyList();

}  // namespace tunelark
