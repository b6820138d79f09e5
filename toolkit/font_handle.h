#pragma once
// GDI fonts made from font records. Heights are pixels as designed (negative:
// character height), never scaled to the screen's pixels per inch.

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "toolkit/core/font.h"
#include "toolkit/gdi.h"

namespace tk {

// quality: a LOGFONT quality (DEFAULT_QUALITY, NONANTIALIASED_QUALITY, ...).
Font CreateFontHandle(const FontRecord& font, BYTE quality = DEFAULT_QUALITY);

// The screen's pixels per inch (font sizes in points are measured in them).
int ScreenPixelsPerInch();

// One GDI font held with every other holder of the same description; the
// font is deleted when its last holder lets go.
class SharedFont {
 public:
  SharedFont() = default;
  HFONT get() const { return font_ ? font_->get() : nullptr; }
  explicit operator bool() const { return get() != nullptr; }

 private:
  friend class FontTable;
  explicit SharedFont(std::shared_ptr<const Font> font) : font_(std::move(font)) {}

  std::shared_ptr<const Font> font_;
};

// The process's fonts in use, by description: the colour plays no part, it
// is not the GDI font's. The table only looks fonts up; their holders keep
// them alive.
class FontTable {
 public:
  static FontTable& Shared();

  // The font of a record: the one in use if there is one, else a new one;
  // empty when it cannot be made.
  SharedFont Get(const FontRecord& font, BYTE quality = DEFAULT_QUALITY);
  // How many fonts are held now.
  std::size_t Count() const;

 private:
  struct Entry {
    FontRecord key;
    BYTE quality;
    std::weak_ptr<const Font> font;
  };
  std::vector<Entry> entries_;
};

// Holds the shared font of the last record asked for.
class FontCache {
 public:
  HFONT Get(const FontRecord& font);

 private:
  FontRecord record_;
  SharedFont font_;
};

}  // namespace tk
