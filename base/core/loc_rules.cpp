#include "base/core/loc_rules.h"

#include "toolkit/core/ascii.h"

namespace nb::loc {
namespace {

constexpr char kEndOfFile = 26;  // Ctrl-Z: text-file reading ends here

std::string_view BeforeEndOfFile(std::string_view content) {
  return content.substr(0, content.find(kEndOfFile));
}

// Calls visit for each line until it answers true; answers whether one did.
template <typename Visit>
bool ForEachLine(std::string_view content, Visit visit) {
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = content.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = content.size();
    if (visit(content.substr(pos, end - pos))) return true;
    pos = end;
    if (pos == content.size()) break;
    const bool crLf = content[pos] == '\r' && pos + 1 < content.size() && content[pos + 1] == '\n';
    pos += crLf ? 2 : 1;
  }
  return false;
}

std::optional<std::string_view> FindKeyLine(std::string_view content, std::string_view key) {
  std::optional<std::string_view> found;
  ForEachLine(BeforeEndOfFile(content), [&](std::string_view line) {
    if (LineMatchesKey(line, key)) found = line;
    return found.has_value();
  });
  return found;
}

}  // namespace

const std::array<std::string, 6>& HeaderLines() {
  static const std::array<std::string, 6> lines{
      "**  DO NOT CHANGE THIS TEXT ! ! !",
      "**  The localization file for the Tarvex v2.0  plugin.",
      "**  To use the file - put the file with the translation of the lines in the root "
      "folder of the program NeoBook or VisualNeo.",
      "**  author of the plugin Orin Talvik (kv2719)",
      // The addresses of the first release's file: translations made for it
      // must still pass, whatever the about box shows today.
      "**  http://www.talvik-soft.ru",
      "**  mail: kv2719@talvik-soft.ru",
  };
  return lines;
}

std::vector<std::string_view> SplitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  ForEachLine(content, [&](std::string_view line) {
    lines.push_back(line);
    return false;
  });
  return lines;
}

bool HeaderValid(std::string_view content) {
  const auto lines = SplitLines(content);
  const auto& header = HeaderLines();
  if (lines.size() < header.size()) return false;
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (!tk::SameTextAscii(lines[i], header[i])) return false;
  }
  return true;
}

bool LineMatchesKey(std::string_view line, std::string_view key) {
  if (line.size() < kKeyLength) return false;
  return tk::SameTextAscii(line.substr(0, kKeyLength), key);
}

bool KeyExistsIn(std::string_view content, std::string_view key) {
  return FindKeyLine(content, key).has_value();
}

std::string LookupIn(std::string_view content, std::string_view key) {
  const auto line = FindKeyLine(content, key);
  if (!line) return {};
  return std::string(line->substr(kKeyLength, kMaxTextLength));
}

bool LocKeyExists(std::string_view key, std::string_view fileName, const FileReader& read) {
  const auto content = read(fileName);
  return content && KeyExistsIn(*content, key);
}

std::string LocLookup(std::string_view key, std::string_view fileName, const FileReader& read) {
  const auto content = read(fileName);
  return content ? LookupIn(*content, key) : std::string();
}

std::string LocText(std::string_view key, std::string_view builtIn, const FileReader& read) {
  // Two reads, as two separate lookups: a file changed in between is seen as
  // it is at each.
  if (LocKeyExists(key, kFileName, read)) return LocLookup(key, kFileName, read);
  return std::string(builtIn);
}

}  // namespace nb::loc
