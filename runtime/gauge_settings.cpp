#include "runtime/gauge_settings.h"

#include "runtime/UnitFORM.h"
#include "runtime/core/encodings.h"
#include "runtime/core/font_spec.h"
#include "runtime/core/words.h"

namespace runtime {

static_assert(static_cast<int>(GaugeKind::Text) == gauges::gkText);
static_assert(static_cast<int>(GaugeKind::HorizontalBar) == gauges::gkHorizontalBar);
static_assert(static_cast<int>(GaugeKind::VerticalBar) == gauges::gkVerticalBar);
static_assert(static_cast<int>(GaugeKind::Pie) == gauges::gkPie);
static_assert(static_cast<int>(GaugeKind::Needle) == gauges::gkNeedle);

std::int32_t IntegerOr(std::string_view text, std::int32_t fallback) {
  return ParseIntegerText(text).value_or(fallback);
}

void ApplyColourTriple(gauges::TGauge& gauge, void (gauges::TGauge::*setter)(tk::TColor),
                       std::string_view text, tk::TColor whenEmpty) {
  if (text.empty()) {
    (gauge.*setter)(whenEmpty);
  } else if (auto colour = ParseColourTriple(text)) {
    (gauge.*setter)(*colour);
  }
}

void ApplyFontText(gauges::TGauge& gauge, std::string_view text) {
  if (text.empty()) return;
  tk::FontRecord font = gauge.Font();
  if (ApplyFontSpec(text, font, ScreenPixelsPerInch()) != FontSpecResult::TooFewFields)
    gauge.SetFont(font);
}

gauges::TGaugeKind ToGaugeKind(int ordinal) { return static_cast<gauges::TGaugeKind>(ordinal); }

}  // namespace runtime
