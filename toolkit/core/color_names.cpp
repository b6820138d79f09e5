#include "toolkit/core/color_names.h"

#include <array>

#include "toolkit/core/ascii.h"

namespace tk {

namespace {

// Writers take the first entry with a value, so the order is part of what
// they write.
constexpr std::array<ColorIdentifier, 52> kColors = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", SystemColor(10)},
    {"clActiveCaption", SystemColor(2)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clBackground", SystemColor(1)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnHighlight", SystemColor(20)},
    {"clBtnShadow", SystemColor(16)},
    {"clBtnText", SystemColor(18)},
    {"clCaptionText", SystemColor(9)},
    {"clDefault", clDefault},
    {"clGradientActiveCaption", SystemColor(27)},
    {"clGradientInactiveCaption", SystemColor(28)},
    {"clGrayText", SystemColor(17)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clHotLight", SystemColor(26)},
    {"clInactiveBorder", SystemColor(11)},
    {"clInactiveCaption", SystemColor(3)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clInfoBk", SystemColor(24)},
    {"clInfoText", SystemColor(23)},
    {"clMenu", SystemColor(4)},
    {"clMenuBar", SystemColor(30)},
    {"clMenuHighlight", SystemColor(29)},
    {"clMenuText", SystemColor(7)},
    {"clNone", clNone},
    {"clScrollBar", SystemColor(0)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clWindowText", SystemColor(8)},
}};

}  // namespace

std::span<const ColorIdentifier> ColorIdentifiers() { return kColors; }

std::optional<TColor> ColorFromName(std::string_view name) {
  for (const ColorIdentifier& c : kColors)
    if (SameTextAscii(c.name, name)) return c.value;
  return std::nullopt;
}

const char* ColorName(TColor color) {
  for (const ColorIdentifier& c : kColors)
    if (c.value == color) return c.name;
  return nullptr;
}

}  // namespace tk
