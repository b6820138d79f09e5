#pragma once
// Pictures from the module's resources: JPEG data (RCDATA) or bitmaps
// (BITMAP). Drawn transparent, the colour of the bottom-left pixel is
// see-through (pictures meant for it have a flat ground there).

#include <windows.h>

#include <string>

#include "toolkit/gdi.h"

namespace tk {

class Picture {
 public:
  Picture() = default;
  static Picture FromJpegData(const void* data, std::size_t size);
  // Empty when the resource is missing or cannot be decoded.
  static Picture FromJpegResource(const std::string& name);
  static Picture FromBitmapResource(const std::string& name);

  bool Empty() const { return !bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HBITMAP Handle() const { return bitmap_.get(); }

  // Draws into dest, stretched to its size.
  void Draw(HDC dc, const RECT& dest, bool transparent) const;

 private:
  Bitmap bitmap_;
  int width_ = 0, height_ = 0;
};

}  // namespace tk
