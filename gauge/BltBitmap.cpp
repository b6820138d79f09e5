#include "gauge/BltBitmap.h"

#include "toolkit/core/color.h"

namespace gauges {

OffscreenBitmap::OffscreenBitmap() : dc_(nullptr) {}

OffscreenBitmap::OffscreenBitmap(int width, int height) : dc_(nullptr) { SetSize(width, height); }

void OffscreenBitmap::SetSize(int width, int height) {
  selection_.reset();
  bitmap_.Reset();
  width_ = width;
  height_ = height;
  if (width <= 0 || height <= 0 || !dc_.get()) return;
  tk::WindowDC screen(nullptr);
  bitmap_.Reset(CreateCompatibleBitmap(screen.get(), width, height));
  if (bitmap_) selection_.emplace(dc_.get(), bitmap_.get());
}

void OffscreenBitmap::CopyRect(const RECT& dest, HDC source, const RECT& sourceRect) {
  if (!Valid()) return;
  StretchBlt(dc_.get(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source,
             sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, CopyMode);
}

void TBltBitmap::MakeLike(const OffscreenBitmap& templateBitmap) {
  SetSize(templateBitmap.Width(), templateBitmap.Height());
  if (!Valid()) return;
  tk::Brush brush = tk::SolidBrush(tk::clWindowFrame);
  RECT all{0, 0, Width(), Height()};
  FillRect(Canvas(), &all, brush.get());
}

void ClearToBlack(OffscreenBitmap& bitmap, int width, int height) {
  const RECT r{0, 0, width, height};
  bitmap.CopyMode = BLACKNESS;
  bitmap.CopyRect(r, bitmap.Canvas(), r);
  bitmap.CopyMode = SRCCOPY;
}

void XorOnto(OffscreenBitmap& target, const OffscreenBitmap& source, int width, int height) {
  if (!source.Valid()) return;  // copying an empty bitmap does nothing
  const RECT r{0, 0, width, height};
  target.CopyMode = SRCINVERT;
  target.CopyRect(r, source.Canvas(), r);
  target.CopyMode = SRCCOPY;
}

}  // namespace gauges
