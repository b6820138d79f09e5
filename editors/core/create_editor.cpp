#include "editors/core/create_editor.h"

#include <iterator>

#include "base/core/encodings.h"
#include "toolkit/core/ascii.h"

namespace editors {

namespace {

struct PreviewPlace {
  int width, height, top, left;
};
// By kind ordinal: gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle.
constexpr PreviewPlace kPreviewPlaces[] = {
    {130, 130, 60, 373}, {130, 25, 105, 373}, {25, 130, 60, 424}, {130, 130, 60, 373}, {130, 40, 96, 373},
};
static_assert(std::size(kPreviewPlaces) == tk::kGaugeKindCount, "a preview place per gauge kind");

}  // namespace

const std::vector<KindRow>& KindRows() {
  static const std::vector<KindRow> rows = [] {
    std::vector<KindRow> list;
    for (const tk::GaugeKindEntry& entry : tk::kGaugeKinds) {
      const PreviewPlace& at = kPreviewPlaces[entry.kind];
      list.push_back(KindRow{entry.word, entry.kind, at.width, at.height, at.top, at.left});
    }
    return list;
  }();
  return rows;
}

const KindRow* FindKindRow(std::string_view text) {
  for (const KindRow& row : KindRows())
    if (row.text == text) return &row;
  return nullptr;
}

int PreviewTop(const KindRow& row, bool atOpen) {
  constexpr int kTextTopAtOpen = 66;
  return atOpen && row.kind == tk::gkText ? kTextTopAtOpen : row.top;
}

FlagTexts ReadFlagTexts(std::optional<std::string_view> slot) {
  if (!slot) return {"False", "False"};
  std::vector<std::string> items = nb::SplitDelimited(*slot, '|');
  FlagTexts texts;
  if (items.size() >= 1) texts.hideText = items[0];
  if (items.size() >= 2) texts.hideGauge = items[1];
  return texts;
}

bool FlagTicks(std::string_view item) { return tk::SameTextAscii(item, "true"); }

std::string FlagToWrite(std::string_view stored, bool ticked, bool clickedByAuthor) {
  const bool readsAsFlag = tk::SameTextAscii(stored, "true") || tk::SameTextAscii(stored, "false");
  if (!clickedByAuthor && !stored.empty() && !readsAsFlag) return std::string(stored);
  return ticked ? "True" : "False";
}

}  // namespace editors
