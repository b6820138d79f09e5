// The run routines of actions 2 to 8: each acts on the gauge that an earlier
// create action opened for the named object.
#include <type_traits>

#include "runtime/GaugeList.h"
#include "runtime/core/number_params.h"
#include "runtime/gauge_settings.h"
#include "runtime/run_routines.h"
#include "base/core/words.h"

namespace runtime {

namespace {

// The shared frame: find the named gauge (an unnamed window never counts),
// change it, answer True; any error that escapes answers False. A change
// may answer False itself (a refused range).
template <typename Change>
bool WithGauge(const Params& p, Change change) {
  try {
    int index = FindGauge(p.at(0));
    if (index < 0 || GaugeAt(index).ObjectName().empty()) return false;
    if constexpr (std::is_same_v<decltype(change(*GaugeAt(index).Gauge())), bool>) {
      return change(*GaugeAt(index).Gauge());
    } else {
      change(*GaugeAt(index).Gauge());
      return true;
    }
  } catch (...) {
    return false;
  }
}

}  // namespace

bool TarvexDelete(const Params& p) { return !p.empty() && DeleteGauge(p[0]); }

bool TarvexSetProgress(const Params& p) {
  return WithGauge(p, [&](gauges::TGauge& g) { g.SetProgress(ReadSetProgress(p.at(1)).value); });
}

bool TarvexSetValue(const Params& p) {
  return WithGauge(p, [&](gauges::TGauge& g) {
    const RangeParams range = ReadSetValueRange(p.at(1), p.at(2));
    return ApplyRange(g, range.minimum.value, range.maximum.value);
  });
}

bool TarvexSetColor(const Params& p) {
  return WithGauge(p, [&](gauges::TGauge& g) {
    ApplyColourTriple(g, &gauges::TGauge::SetBackColor, p.at(1), tk::clWhite);
    ApplyColourTriple(g, &gauges::TGauge::SetColor, p.at(2), tk::clWhite);
  });
}

bool TarvexSetProgressColor(const Params& p) {
  return WithGauge(p, [&](gauges::TGauge& g) {
    ApplyColourTriple(g, &gauges::TGauge::SetForeColor, p.at(1), tk::clWhite);
  });
}

bool TarvexSetFont(const Params& p) {
  return WithGauge(p, [&](gauges::TGauge& g) { ApplyFontText(g, p.at(1)); });
}

bool TarvexSetVisible(const Params& p) {
  return WithGauge(p, [&](gauges::TGauge& g) {
    if (auto shown = nb::ParseVisibilityWord(p.at(1))) g.SetVisible(*shown);
  });
}

}  // namespace runtime
