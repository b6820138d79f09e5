#include "decor/GradientPattern.h"

#include "toolkit/dib.h"

namespace decor {

bool GradientPattern::SetSize(int width, int height) {
  if (bits_ && width == width_ && height == height_) return true;
  bitmap_.Reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  if (width <= 0 || height <= 0) return false;
  void* bits = nullptr;
  tk::Bitmap bitmap = tk::CreateTopDownDib(width, height, &bits);  // rows as the generators write them
  if (!bitmap || !bits) return false;
  bitmap_ = std::move(bitmap);
  bits_ = static_cast<Pixel*>(bits);
  width_ = width;
  height_ = height;
  return true;
}

}  // namespace decor
