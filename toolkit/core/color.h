#pragma once

#include <cstdint>

namespace tk {

// A colour as the stored forms and the action strings know it: $00BBGGRR for
// RGB (red in the low byte), or $FF0000nn for system colour number nn, which
// is resolved only when drawing.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clMaroon = 0x00000080;
constexpr TColor clGreen = 0x00008000;
constexpr TColor clNavy = 0x00800000;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clLime = 0x0000FF00;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clSkyBlue = 0x00F0CAA6;
constexpr TColor clMedGray = 0x00A4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clGradientActiveCaption = SystemColor(27);

constexpr bool IsSystemColor(TColor c) {
  return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}
constexpr int SystemColorIndex(TColor c) { return static_cast<int>(c & 0xFF); }

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(TColor c) { return c & 0xFF; }
constexpr int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(TColor c) { return (c >> 16) & 0xFF; }

}  // namespace tk
