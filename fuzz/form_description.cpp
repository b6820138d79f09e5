// The stored form description reader on any bytes. The input up to its first
// NUL byte is the description; what follows is the stored fragment named F
// (include F(...) reaches it). The reader either gives a tree whose nodes and
// properties name lines of the description, or fails with a DescriptionError
// that names such a line; only a text without any object fails without one.
// The typed reads of every value answer or fail the same way.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/core/form_description.h"

namespace {

using tk::form::DescriptionError;

// The reader's lines: every line end starts another line.
int LineCount(std::string_view text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

void CheckLine(int line, int lines) {
  if (line < 1 || line > lines) std::abort();
}

template <typename Read>
void TryRead(Read read, int lines) {
  try {
    read();
  } catch (const DescriptionError& e) {
    CheckLine(e.Line(), lines);
  }
}

void CheckValue(const tk::form::Value& v, int lines) {
  TryRead([&] { v.AsInt(); }, lines);
  TryRead([&] { v.AsString(); }, lines);
  TryRead([&] { v.AsIdentifier(); }, lines);
  TryRead([&] { v.AsBool(); }, lines);
  TryRead([&] { v.AsColor(); }, lines);
  TryRead([&] { v.AsSet(); }, lines);
  TryRead([&] { v.AsList(); }, lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view text = input.substr(0, split);
  const std::optional<std::string> fragment =
      split == std::string_view::npos ? std::nullopt : std::optional<std::string>(input.substr(split + 1));
  const tk::form::FragmentSource fragments = [&](std::string_view name) {
    return name == "F" ? fragment : std::nullopt;
  };
  const int lines = LineCount(text);
  try {
    const tk::form::ObjectNode root = tk::form::ParseDescription(text, fragments);
    tk::form::ForEachObject(root, [&](const tk::form::ObjectNode& node) {
      CheckLine(node.line, lines);
      for (const tk::form::Property& p : node.properties) {
        CheckLine(p.line, lines);
        CheckValue(p.value, lines);
      }
    });
  } catch (const DescriptionError& e) {
    if (e.Line() == 0 && std::string_view(e.what()) == "no object in the description") return 0;
    CheckLine(e.Line(), lines);
  }
  return 0;
}
