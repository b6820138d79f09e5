#pragma once
// The Create editor's rules that need no window: the kinds list with the
// preview's place per kind, and the flag pair as the editor reads and writes
// it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/gauge_kind.h"

namespace editors {

// One entry of the kinds list and where the preview stands for it.
struct KindRow {
  std::string_view text;
  tk::TGaugeKind kind;
  int width, height, top, left;
};

// An entry per gauge kind, in the kinds' table order (toolkit/core/gauge_kind.h).
const std::vector<KindRow>& KindRows();
// The entry whose text is exactly text; null for none.
const KindRow* FindKindRow(std::string_view text);
// The preview's top: "Text" stands at 66 when set at open, 60 when chosen.
int PreviewTop(const KindRow& row, bool atOpen);

// The two items of the flag pair as stored: a nil slot gives "False" twice;
// otherwise the items of the slot split at "|", a missing one empty.
struct FlagTexts {
  std::string hideText;
  std::string hideGauge;
};
FlagTexts ReadFlagTexts(std::optional<std::string_view> slot);
// An item ticks its box when, lower-cased, it is "true".
bool FlagTicks(std::string_view item);
// The item to write back: the box's "True" or "False", unless the author left
// the box alone and the stored item is a text that reads as neither true nor
// false in any case (a host variable), which is kept.
std::string FlagToWrite(std::string_view stored, bool ticked, bool clickedByAuthor);

}  // namespace editors
