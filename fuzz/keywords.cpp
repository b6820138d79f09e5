// Kind names, flag pairs and visibility words on any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/core/words.h"
#include "toolkit/core/gauge_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  if (auto kind = tk::GaugeKindFromWord(text); kind && tk::GaugeKindOf(*kind).word != text) std::abort();
  auto flags = nb::ReadFlagPair(text);
  // The second word is read only after the first.
  if (flags.visible && !flags.showText) std::abort();
  auto ticks = nb::ReadFlagPairForEditor(text);
  // Whatever hides at run time is ticked in the editor.
  if (flags.showText == false && !ticks.hideText) std::abort();
  if (flags.visible == false && !ticks.hideGauge) std::abort();
  if (auto shown = nb::ParseVisibilityWord(text); shown && text != (*shown ? "Show" : "Hide"))
    std::abort();
  return 0;
}
