#include "toolkit/font_handle.h"

#include <algorithm>

#include "toolkit/text.h"

namespace tk {

Font CreateFontHandle(const FontRecord& font, BYTE quality) {
  LOGFONTW lf{};
  lf.lfHeight = font.height;
  lf.lfWeight = (font.style & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.style & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (font.style & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (font.style & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = font.charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = quality;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::wstring face = Widen(font.name);
  std::copy_n(face.c_str(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
  return Font(CreateFontIndirectW(&lf));
}

int ScreenPixelsPerInch() {
  WindowDC screen(nullptr);
  int ppi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return ppi > 0 ? ppi : 96;
}

HFONT FontCache::Get(const FontRecord& font) {
  if (!handle_ || !(font == record_)) {
    handle_ = CreateFontHandle(font);
    record_ = font;
  }
  return handle_.get();
}

}  // namespace tk
