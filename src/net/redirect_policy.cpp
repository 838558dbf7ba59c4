#include "net/redirect_policy.h"

namespace tunelark {

bool IsFollowedRedirectStatus(long status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool IsFetchedScheme(std::string_view lowerCaseScheme) {
  return lowerCaseScheme == "http" || lowerCaseScheme == "https";
}

}  // namespace tunelark
