#include "toolkit/dib.h"

namespace tk {

Bitmap CreateTopDownDib(int width, int height, void** bits) {
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

DibSection::DibSection(int width, int height)
    : width_(width),
      height_(height),
      dc_(nullptr),
      bitmap_(CreateTopDownDib(width, height, &bits_)),
      selection_(dc_.get(), bitmap_.get()) {}

std::uint32_t* DibSection::Bits() const {
  GdiFlush();
  return static_cast<std::uint32_t*>(bits_);
}

COLORREF DibSection::At(int x, int y) const {
  std::uint32_t v = Bits()[y * width_ + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void DibSection::Fill(COLORREF color) {
  Brush brush(CreateSolidBrush(color));
  RECT all{0, 0, width_, height_};
  FillRect(dc_.get(), &all, brush.get());
}

}  // namespace tk
