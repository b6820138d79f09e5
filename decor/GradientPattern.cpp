#include "decor/GradientPattern.h"

namespace decor {

bool GradientPattern::SetSize(int width, int height) {
  if (bits_ && width == width_ && height == height_) return true;
  bitmap_.Reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like the generators' rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  tk::Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  bitmap_ = std::move(bitmap);
  bits_ = static_cast<Pixel*>(bits);
  width_ = width;
  height_ = height;
  return true;
}

}  // namespace decor
