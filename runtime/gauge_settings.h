#pragma once
// Writing parameter strings into a gauge's properties, shared by the create
// action and the property actions. Each applies one encoding's rule for
// empty and malformed text.

#include <cstdint>
#include <string_view>

#include "gauge/Gauges.h"
#include "toolkit/core/color.h"

namespace runtime {

// A colour triple: empty text gives whenEmpty, unreadable text leaves the
// property as it is. setter is a member function of TGauge.
void ApplyColourTriple(gauges::TGauge& gauge, void (gauges::TGauge::*setter)(tk::TColor),
                       std::string_view text, tk::TColor whenEmpty);

// A range pair: minimum <= maximum is applied whatever the current range
// (the setters run in the order in which no transient check can fail, and
// the progress ends clamped into the new range); a crossed pair answers
// false and changes nothing.
bool ApplyRange(gauges::TGauge& gauge, std::int32_t minimum, std::int32_t maximum);

// A font spec applied to the gauge's font; an empty font text changes nothing.
void ApplyFontText(gauges::TGauge& gauge, std::string_view text);

}  // namespace runtime
