#include "decor/core/link_target.h"

#include <gtest/gtest.h>

namespace decor {
namespace {

TEST(LinkTarget, PrefixOfEachKindThenTheLinkAsItIs) {
  struct Case {
    TLinkType type;
    const char* link;
    const char* target;
  };
  const Case cases[] = {
      {ltfile, "/tmp/a.txt", "file:///tmp/a.txt"},
      {ltftp, "ftp.example.org", "ftp://ftp.example.org"},
      {ltgopher, "g.example.org", "gopher://g.example.org"},
      {lthttp, "www.example.org", "http://www.example.org"},
      {lthttps, "www.example.org", "https://www.example.org"},
      {ltmailto, "a@example.org", "mailto:a@example.org"},
      {ltnews, "comp.lang", "news:comp.lang"},
      {lttelnet, "h.example.org", "telnet:h.example.org"},
      {ltwais, "w.example.org", "wais:w.example.org"},
      {lthttp, "http://www.example.org", "http://http://www.example.org"},
      {ltmailto, "", "mailto:"},
      {static_cast<TLinkType>(9), "x", "x"},
  };
  for (const Case& c : cases) EXPECT_EQ(LinkTarget(c.type, c.link), c.target) << c.target;
}

}  // namespace
}  // namespace decor
