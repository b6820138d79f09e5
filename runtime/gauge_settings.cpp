#include "runtime/gauge_settings.h"

#include "runtime/UnitFORM.h"
#include "base/core/encodings.h"
#include "base/core/font_spec.h"

namespace runtime {

void ApplyColourTriple(gauges::TGauge& gauge, void (gauges::TGauge::*setter)(tk::TColor),
                       std::string_view text, tk::TColor whenEmpty) {
  if (text.empty()) {
    (gauge.*setter)(whenEmpty);
  } else if (auto colour = nb::ParseColourTriple(text)) {
    (gauge.*setter)(*colour);
  }
}

bool ApplyRange(gauges::TGauge& gauge, std::int32_t minimum, std::int32_t maximum) {
  if (minimum > maximum) return false;
  if (minimum <= gauge.MaxValue()) {
    gauge.SetMinValue(minimum);
    gauge.SetMaxValue(maximum);
  } else {
    // The whole range moves above the current maximum: raise that first.
    gauge.SetMaxValue(maximum);
    gauge.SetMinValue(minimum);
  }
  return true;
}

void ApplyFontText(gauges::TGauge& gauge, std::string_view text) {
  if (text.empty()) return;
  tk::FontRecord font = gauge.Font();
  if (nb::ApplyFontSpec(text, font, ScreenPixelsPerInch()) != nb::FontSpecResult::TooFewFields)
    gauge.SetFont(font);
}

}  // namespace runtime
