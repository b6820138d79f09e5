#include "base/core/words.h"

#include <vector>

#include "base/core/encodings.h"
#include "toolkit/core/ascii.h"

namespace nb {

FlagPairReading ReadFlagPair(std::string_view text) {
  FlagPairReading reading;
  if (text.empty()) {
    reading.showText = true;
    reading.visible = true;
    return reading;
  }
  std::vector<std::string> items = SplitDelimited(text, '|');
  if (items.size() < 1) return reading;
  reading.showText = items[0] != "True";
  if (items.size() < 2) return reading;
  reading.visible = items[1] != "True";
  return reading;
}

FlagPairTicks ReadFlagPairForEditor(std::string_view text) {
  FlagPairTicks ticks;
  std::vector<std::string> items = SplitDelimited(text, '|');
  if (items.size() >= 1) ticks.hideText = tk::SameTextAscii(items[0], "true");
  if (items.size() >= 2) ticks.hideGauge = tk::SameTextAscii(items[1], "true");
  return ticks;
}

std::string FormatFlagPair(bool hideText, bool hideGauge) {
  return std::string(hideText ? "True" : "False") + "|" + (hideGauge ? "True" : "False");
}

std::optional<bool> ParseVisibilityWord(std::string_view text) {
  if (text == "Show") return true;
  if (text == "Hide") return false;
  return std::nullopt;
}

}  // namespace nb
