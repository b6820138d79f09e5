#pragma once
// 32-bit top-down DIB sections: rows top row first, each pixel one 32-bit
// word 0x00RRGGBB (blue, green, red, unused in memory order).

#include <windows.h>

#include <cstdint>

#include "toolkit/gdi.h"

namespace tk {

// Makes the bitmap; bits receives its pixels, or nullptr when it cannot be
// made (the bitmap is then empty too).
Bitmap CreateTopDownDib(int width, int height, void** bits);

// A DIB section selected into a memory DC of its own for its lifetime: a
// surface to draw or print into and read back pixel by pixel.
class DibSection {
 public:
  DibSection(int width, int height);
  DibSection(const DibSection&) = delete;
  DibSection& operator=(const DibSection&) = delete;

  bool Valid() const { return bits_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // The pixels, after GDI's pending drawing is flushed into them.
  std::uint32_t* Bits() const;
  // The pixel as a COLORREF (red in the low byte).
  COLORREF At(int x, int y) const;
  void Fill(COLORREF color);

 private:
  int width_;
  int height_;
  MemoryDC dc_;
  void* bits_ = nullptr;
  Bitmap bitmap_;
  // Declared last: the bitmap is put back out of the DC before either goes.
  SelectObjectGuard selection_;
};

}  // namespace tk
