#include "toolkit/font_handle.h"

#include <algorithm>

#include "toolkit/paint_buffer.h"
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
  // A memory DC of the screen's kind answers as the screen does.
  HDC screen = PaintBuffer::Shared().dc();
  int ppi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  return ppi > 0 ? ppi : 96;
}

namespace {

bool SameFace(const FontRecord& a, const FontRecord& b) {
  return a.name == b.name && a.height == b.height && a.style == b.style && a.charset == b.charset;
}

}  // namespace

FontTable& FontTable::Shared() {
  static FontTable table;
  return table;
}

SharedFont FontTable::Get(const FontRecord& font, BYTE quality) {
  for (const Entry& entry : entries_)
    if (entry.quality == quality && SameFace(entry.key, font))
      if (auto held = entry.font.lock()) return SharedFont(std::move(held));
  // Fonts whose last holder went leave an expired entry: dropped here.
  std::erase_if(entries_, [](const Entry& entry) { return entry.font.expired(); });
  Font made = CreateFontHandle(font, quality);
  if (!made) return {};
  auto held = std::make_shared<const Font>(std::move(made));
  entries_.push_back(Entry{font, quality, held});
  return SharedFont(std::move(held));
}

std::size_t FontTable::Count() const {
  return static_cast<std::size_t>(
      std::count_if(entries_.begin(), entries_.end(), [](const Entry& entry) { return !entry.font.expired(); }));
}

HFONT FontCache::Get(const FontRecord& font) {
  if (!font_ || !SameFace(font, record_)) {
    font_ = FontTable::Shared().Get(font);
    record_ = font;
  }
  return font_.get();
}

}  // namespace tk
