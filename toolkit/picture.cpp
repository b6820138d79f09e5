#include "toolkit/picture.h"

#include "toolkit/jpeg.h"
#include "toolkit/stored_resource.h"
#include "toolkit/text.h"
#include "toolkit/window.h"

namespace tk {

Picture Picture::FromJpegData(const void* data, std::size_t size) {
  Picture p;
  DecodedBitmap decoded = DecodeJpeg(data, size);
  p.bitmap_ = std::move(decoded.bitmap);
  p.width_ = decoded.width;
  p.height_ = decoded.height;
  return p;
}

Picture Picture::FromJpegResource(const std::string& name) {
  auto bytes = StoredResource(name);
  if (!bytes) return {};
  return FromJpegData(bytes->data(), bytes->size());
}

Picture Picture::FromBitmapResource(const std::string& name) {
  Picture p;
  p.bitmap_.Reset(static_cast<HBITMAP>(LoadImageW(ModuleInstance(), Widen(name).c_str(),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!p.bitmap_) return p;
  BITMAP info{};
  GetObjectW(p.bitmap_.get(), sizeof info, &info);
  p.width_ = info.bmWidth;
  p.height_ = info.bmHeight;
  return p;
}

void Picture::Draw(HDC dc, const RECT& dest, bool transparent) const {
  if (Empty()) return;
  MemoryDC source(dc);
  SelectObjectGuard select(source.get(), bitmap_.get());
  int w = dest.right - dest.left, h = dest.bottom - dest.top;
  if (transparent) {
    COLORREF key = GetPixel(source.get(), 0, height_ - 1);
    GdiTransparentBlt(dc, dest.left, dest.top, w, h, source.get(), 0, 0, width_, height_, key);
    return;
  }
  if (w == width_ && h == height_) {
    BitBlt(dc, dest.left, dest.top, w, h, source.get(), 0, 0, SRCCOPY);
    return;
  }
  SavedDC saved(dc);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, dest.left, dest.top, w, h, source.get(), 0, 0, width_, height_, SRCCOPY);
}

}  // namespace tk
