#pragma once
// The system's colour and font dialogs, shown modally over a form. Both use
// the standard dialog templates, so their controls keep their standard ids
// (colour: Red/Green/Blue edits 706/707/708; font: face 0x470, style 0x471,
// size 0x472, strike-out 0x410, underline 0x411, colour 0x473, script 0x474).

#include <windows.h>

#include "toolkit/core/chosen_font.h"
#include "toolkit/core/color.h"
#include "toolkit/core/font.h"

namespace tk {

// The colour dialog, fully open. It is not preset from any field: it opens
// with the colour it last returned in this object's lifetime, black the first
// time.
class TColorDialog {
 public:
  TColorDialog();
  // True when the author confirmed; Color() is then the chosen colour.
  bool Execute(HWND owner);
  // The colour last returned (an RGB value), black before any.
  TColor Color() const { return color_; }

 private:
  TColor color_ = clBlack;
  COLORREF custom_[16];
};

// The font dialog with effects (underline, strike-out, colour). It opens with
// Font (set it for the first time; afterwards the last font chosen) and, when
// the author confirms, Font becomes the chosen font: face, colour (RGB),
// height, exactly the chosen styles, character set.
class TFontDialog {
 public:
  FontRecord Font;
  bool Execute(HWND owner);
};

// LOGFONT and colour <-> font record, through the portable fields.
LogFontFields FieldsOf(const LOGFONTW& font);
LOGFONTW LogFontOf(const LogFontFields& fields);

}  // namespace tk
