#include "toolkit/core/color_names.h"

#include <array>
#include <utility>

namespace tk {

namespace {

struct NamedColor {
  std::string_view name;
  TColor color;
};

constexpr std::array kColors = {
    NamedColor{"clBlack", 0x000000},     NamedColor{"clMaroon", 0x000080},
    NamedColor{"clGreen", 0x008000},     NamedColor{"clOlive", 0x008080},
    NamedColor{"clNavy", 0x800000},      NamedColor{"clPurple", 0x800080},
    NamedColor{"clTeal", 0x808000},      NamedColor{"clGray", 0x808080},
    NamedColor{"clSilver", 0xC0C0C0},    NamedColor{"clRed", 0x0000FF},
    NamedColor{"clLime", 0x00FF00},      NamedColor{"clYellow", 0x00FFFF},
    NamedColor{"clBlue", 0xFF0000},      NamedColor{"clFuchsia", 0xFF00FF},
    NamedColor{"clAqua", 0xFFFF00},      NamedColor{"clWhite", 0xFFFFFF},
    NamedColor{"clLtGray", 0xC0C0C0},    NamedColor{"clDkGray", 0x808080},
    NamedColor{"clMoneyGreen", 0xC0DCC0}, NamedColor{"clSkyBlue", 0xF0CAA6},
    NamedColor{"clCream", 0xF0FBFF},     NamedColor{"clMedGray", 0xA4A0A0},
    NamedColor{"clNone", clNone},        NamedColor{"clDefault", clDefault},
    NamedColor{"clScrollBar", SystemColor(0)},
    NamedColor{"clBackground", SystemColor(1)},
    NamedColor{"clActiveCaption", SystemColor(2)},
    NamedColor{"clInactiveCaption", SystemColor(3)},
    NamedColor{"clMenu", SystemColor(4)},
    NamedColor{"clWindow", SystemColor(5)},
    NamedColor{"clWindowFrame", SystemColor(6)},
    NamedColor{"clMenuText", SystemColor(7)},
    NamedColor{"clWindowText", SystemColor(8)},
    NamedColor{"clCaptionText", SystemColor(9)},
    NamedColor{"clActiveBorder", SystemColor(10)},
    NamedColor{"clInactiveBorder", SystemColor(11)},
    NamedColor{"clAppWorkSpace", SystemColor(12)},
    NamedColor{"clHighlight", SystemColor(13)},
    NamedColor{"clHighlightText", SystemColor(14)},
    NamedColor{"clBtnFace", SystemColor(15)},
    NamedColor{"clBtnShadow", SystemColor(16)},
    NamedColor{"clGrayText", SystemColor(17)},
    NamedColor{"clBtnText", SystemColor(18)},
    NamedColor{"clInactiveCaptionText", SystemColor(19)},
    NamedColor{"clBtnHighlight", SystemColor(20)},
    NamedColor{"cl3DDkShadow", SystemColor(21)},
    NamedColor{"cl3DLight", SystemColor(22)},
    NamedColor{"clInfoText", SystemColor(23)},
    NamedColor{"clInfoBk", SystemColor(24)},
    NamedColor{"clHotLight", SystemColor(26)},
    NamedColor{"clGradientActiveCaption", SystemColor(27)},
    NamedColor{"clGradientInactiveCaption", SystemColor(28)},
    NamedColor{"clMenuHighlight", SystemColor(29)},
    NamedColor{"clMenuBar", SystemColor(30)},
};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

}  // namespace

std::optional<TColor> ColorFromName(std::string_view name) {
  for (const NamedColor& c : kColors)
    if (EqualIgnoringAsciiCase(c.name, name)) return c.color;
  return std::nullopt;
}

}  // namespace tk
