#pragma once
// 32-bit top-down DIB sections: rows top row first, each pixel one 32-bit
// word 0x00RRGGBB (blue, green, red, unused in memory order). Header-only:
// the host simulator draws its screenshots into the same surface.

#include <windows.h>

#include <cstdint>

#include "toolkit/gdi.h"

namespace tk {

// Makes the bitmap; bits receives its pixels, or nullptr when it cannot be
// made (the bitmap is then empty too).
inline Bitmap CreateTopDownDib(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  *bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
  if (!bitmap) *bits = nullptr;
  return bitmap;
}

// A DIB section selected into a memory DC of its own for its lifetime: a
// surface to draw or print into and read back pixel by pixel.
class DibSection {
 public:
  DibSection(int width, int height)
      : width_(width),
        height_(height),
        dc_(nullptr),
        bitmap_(CreateTopDownDib(width, height, &bits_)),
        selection_(dc_.get(), bitmap_.get()) {}
  DibSection(const DibSection&) = delete;
  DibSection& operator=(const DibSection&) = delete;

  bool Valid() const { return bits_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // The pixels, after GDI's pending drawing is flushed into them.
  std::uint32_t* Bits() const {
    GdiFlush();
    return static_cast<std::uint32_t*>(bits_);
  }
  // The pixel as a COLORREF (red in the low byte).
  COLORREF At(int x, int y) const {
    std::uint32_t v = Bits()[y * width_ + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  void Fill(COLORREF color) {
    Brush brush(CreateSolidBrush(color));
    RECT all{0, 0, width_, height_};
    FillRect(dc_.get(), &all, brush.get());
  }

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
