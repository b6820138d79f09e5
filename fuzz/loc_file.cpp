// The localisation file as a translator may leave it: any bytes, any line
// ends, any length. For the keys checked (012* and one more that the input's
// length picks, so that every key in use comes round):
// - a found text is at most 255 characters, holds no line end and no Ctrl-Z,
//   and stands in the file right after the key at the start of a line;
// - a key that is not found gives the empty text;
// - Ctrl-Z ends the file: nothing after it changes an answer;
// - the first line for a key wins over any line added after it, and a key
//   line added to a file that lacks the key is found.
// The header check only looks at the first six lines: a file whose header
// passes still passes with anything added after a line end.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/core/loc_rules.h"
#include "toolkit/core/ascii.h"

namespace {

constexpr char kCtrlZ = 26;

bool AtLineStart(std::string_view content, std::size_t pos) {
  return pos == 0 || content[pos - 1] == '\r' || content[pos - 1] == '\n';
}

// Whether the text follows the key at the start of some line.
bool StandsAfterKey(std::string_view content, std::string_view key, std::string_view text) {
  for (std::size_t pos = 0; pos + key.size() + text.size() <= content.size(); ++pos) {
    if (AtLineStart(content, pos) && tk::SameTextAscii(content.substr(pos, key.size()), key) &&
        content.substr(pos + key.size(), text.size()) == text) {
      return true;
    }
  }
  return false;
}

void CheckKey(std::string_view content, const char* key) {
  namespace loc = nb::loc;
  const bool exists = loc::KeyExistsIn(content, key);
  const std::string text = loc::LookupIn(content, key);
  if (text.size() > loc::kMaxTextLength) std::abort();
  if (text.find_first_of(std::string("\r\n") + kCtrlZ) != std::string::npos) std::abort();
  if (!exists && !text.empty()) std::abort();
  if (exists && !StandsAfterKey(content, key, text)) std::abort();

  const std::string afterEnd = std::string(content) + kCtrlZ + "\r\n" + key + "late\r\n";
  if (loc::KeyExistsIn(afterEnd, key) != exists || loc::LookupIn(afterEnd, key) != text) std::abort();
  if (const std::size_t end = content.find(kCtrlZ); end != std::string_view::npos) {
    const std::string_view before = content.substr(0, end);
    if (loc::KeyExistsIn(before, key) != exists || loc::LookupIn(before, key) != text) std::abort();
  }

  const std::string added = std::string(content) + "\n" + key + "added";
  if (exists && loc::LookupIn(added, key) != text) std::abort();
  if (!exists && content.find(kCtrlZ) == std::string_view::npos && loc::LookupIn(added, key) != "added")
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // libFuzzer's buffer is exactly the input's size: a read past it is caught.
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  char key[8];
  std::snprintf(key, sizeof key, "%03d*", static_cast<int>(size % 20));
  CheckKey(content, "012*");
  CheckKey(content, key);
  if (nb::loc::HeaderValid(content) &&
      !nb::loc::HeaderValid(std::string(content) + "\n" + std::string(content))) {
    std::abort();
  }
  std::string header;
  for (const std::string& line : nb::loc::HeaderLines()) header += line + "\r\n";
  if (!nb::loc::HeaderValid(header + std::string(content))) std::abort();
  return 0;
}
