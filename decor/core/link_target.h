#pragma once
// What a link label opens: the prefix of its link kind followed by its link.

#include <cstdint>
#include <string>
#include <string_view>

namespace decor {

enum TLinkType : std::uint8_t {
  ltfile,
  ltftp,
  ltgopher,
  lthttp,
  lthttps,
  ltmailto,
  ltnews,
  lttelnet,
  ltwais,
};

// "file://", "ftp://", ..., "mailto:", ...; empty for a value outside the nine.
std::string_view LinkPrefix(TLinkType type);
// Prefix and link with nothing between: the link is not inspected, so a link
// that already carries the scheme gets it twice.
std::string LinkTarget(TLinkType type, std::string_view hyperLink);

}  // namespace decor
