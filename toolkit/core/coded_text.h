#pragma once
// Text as bytes together with the code page they are written in: the
// built-in Russian texts are Windows-1251 whatever the system's code page,
// texts from the localisation file and the host are in the system's ANSI
// code page. Windows show them through the wide-character API.

#include <string>

namespace tk {

// The system's ANSI code page (CP_ACP).
constexpr unsigned kAnsiCodePage = 0;
// Windows-1251, the built-in texts' code page.
constexpr unsigned kCyrillicCodePage = 1251;

struct CodedText {
  std::string bytes;
  unsigned codePage = kAnsiCodePage;

  bool operator==(const CodedText&) const = default;
};

}  // namespace tk
