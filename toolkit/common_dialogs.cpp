#include "toolkit/common_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "toolkit/gdi.h"
#include "toolkit/text.h"

namespace tk {

TColorDialog::TColorDialog() { std::fill(std::begin(custom_), std::end(custom_), RGB(255, 255, 255)); }

bool TColorDialog::Execute(HWND owner) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = ColorToRGB(color_);
  cc.lpCustColors = custom_;
  // Fully open: the Red/Green/Blue edits are there without a click.
  cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  if (!ChooseColorW(&cc)) return false;
  color_ = static_cast<TColor>(cc.rgbResult & 0x00FFFFFF);
  return true;
}

LogFontFields FieldsOf(const LOGFONTW& font) {
  LogFontFields fields;
  fields.height = font.lfHeight;
  fields.weight = font.lfWeight;
  fields.italic = font.lfItalic != 0;
  fields.underline = font.lfUnderline != 0;
  fields.strikeOut = font.lfStrikeOut != 0;
  fields.charset = font.lfCharSet;
  fields.faceName = Narrow(std::wstring_view(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE)));
  return fields;
}

LOGFONTW LogFontOf(const LogFontFields& fields) {
  LOGFONTW font{};
  font.lfHeight = fields.height;
  font.lfWeight = fields.weight;
  font.lfItalic = fields.italic;
  font.lfUnderline = fields.underline;
  font.lfStrikeOut = fields.strikeOut;
  font.lfCharSet = fields.charset;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::wstring face = Widen(fields.faceName);
  face.resize(std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
  std::copy(face.begin(), face.end(), font.lfFaceName);
  return font;
}

bool TFontDialog::Execute(HWND owner) {
  LOGFONTW font = LogFontOf(ChosenFromFont(Font));
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner;
  cf.lpLogFont = &font;
  cf.rgbColors = ColorToRGB(Font.color);
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontW(&cf)) return false;
  Font = FontFromChosen(FieldsOf(font), static_cast<TColor>(cf.rgbColors & 0x00FFFFFF));
  return true;
}

}  // namespace tk
