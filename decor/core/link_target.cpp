#include "decor/core/link_target.h"

#include <array>

namespace decor {

std::string_view LinkPrefix(TLinkType type) {
  static constexpr std::array<std::string_view, 9> kPrefixes = {
      "file://", "ftp://", "gopher://", "http://", "https://",
      "mailto:", "news:",  "telnet:",   "wais:",
  };
  return type < kPrefixes.size() ? kPrefixes[type] : std::string_view();
}

std::string LinkTarget(TLinkType type, std::string_view hyperLink) {
  std::string target(LinkPrefix(type));
  target += hyperLink;
  return target;
}

}  // namespace decor
