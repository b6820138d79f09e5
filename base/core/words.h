#pragma once
// The keyword parameters: the hide-text/hide-gauge flag pair and the
// visibility word (the kind words are the kinds' table,
// toolkit/core/gauge_kind.h). Keywords are matched case-sensitively at run
// time; the editor's reading of the flag pair is more lenient.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nb {

// Run-time reading: an empty text shows both. Otherwise the first word
// "True" hides the text (any other word shows it) and the second word "True"
// hides the gauge; reading stops at a missing word, leaving that value unset.
struct FlagPairReading {
  std::optional<bool> showText;
  std::optional<bool> visible;
};
FlagPairReading ReadFlagPair(std::string_view text);

// The editor's reading: each word compared with "true" ignoring ASCII case;
// a missing word counts as not ticked.
struct FlagPairTicks {
  bool hideText = false;
  bool hideGauge = false;
  bool operator==(const FlagPairTicks&) const = default;
};
FlagPairTicks ReadFlagPairForEditor(std::string_view text);
// True|False and the like.
std::string FormatFlagPair(bool hideText, bool hideGauge);

// "Show" → true, "Hide" → false, anything else → nothing.
std::optional<bool> ParseVisibilityWord(std::string_view text);

}  // namespace nb
