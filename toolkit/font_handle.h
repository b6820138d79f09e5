#pragma once
// GDI fonts made from font records. Heights are pixels as designed (negative:
// character height), never scaled to the screen's pixels per inch.

#include "toolkit/core/font.h"
#include "toolkit/gdi.h"

namespace tk {

// quality: a LOGFONT quality (DEFAULT_QUALITY, NONANTIALIASED_QUALITY, ...).
Font CreateFontHandle(const FontRecord& font, BYTE quality = DEFAULT_QUALITY);

// The screen's pixels per inch (font sizes in points are measured in them).
int ScreenPixelsPerInch();

// Keeps the GDI font of the last record asked for.
class FontCache {
 public:
  HFONT Get(const FontRecord& font);

 private:
  FontRecord record_;
  Font handle_;
};

}  // namespace tk
