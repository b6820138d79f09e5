#pragma once
// The gradient panel's styles and the names that stored forms give them.

#include <array>
#include <cstdint>
#include <string_view>

namespace decor {

enum TGradientStyle : std::uint8_t {
  gsCustom,
  gsRadialC,
  gsRadialT,
  gsRadialB,
  gsRadialL,
  gsRadialR,
  gsRadialTL,
  gsRadialTR,
  gsRadialBL,
  gsRadialBR,
  gsLinearH,
  gsLinearV,
  gsReflectedH,
  gsReflectedV,
  gsDiagonalLF,
  gsDiagonalLB,
  gsDiagonalRF,
  gsDiagonalRB,
  gsArrowL,
  gsArrowR,
  gsArrowU,
  gsArrowD,
  gsDiamond,
  gsButterfly,
  gsRadialRect,
};
constexpr int kGradientStyleCount = gsRadialRect + 1;

// Indexed by the style's ordinal.
inline constexpr std::array<std::string_view, kGradientStyleCount> kGradientStyleNames{
    "gsCustom",     "gsRadialC",    "gsRadialT",    "gsRadialB",    "gsRadialL",
    "gsRadialR",    "gsRadialTL",   "gsRadialTR",   "gsRadialBL",   "gsRadialBR",
    "gsLinearH",    "gsLinearV",    "gsReflectedH", "gsReflectedV", "gsDiagonalLF",
    "gsDiagonalLB", "gsDiagonalRF", "gsDiagonalRB", "gsArrowL",     "gsArrowR",
    "gsArrowU",     "gsArrowD",     "gsDiamond",    "gsButterfly",  "gsRadialRect"};

}  // namespace decor
