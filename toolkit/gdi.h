#pragma once
// Owners and borrowers of GDI handles. Paint code never calls DeleteObject,
// DeleteDC or ReleaseDC itself: an owner does it when it goes out of scope.

#include <windows.h>

#include <utility>

#include "toolkit/core/color.h"
#include "toolkit/owned.h"

namespace tk {

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// Owns one GDI object (bitmap, font, brush, pen or region).
template <typename Handle>
using GdiObject = Owned<Handle, DeleteGdiObject>;

using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;

// A memory DC of our own (CreateCompatibleDC).
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  MemoryDC(MemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's DC borrowed with GetDC (or GetWindowDC, frame included) and
// given back with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window, bool withFrame = false)
      : window_(window), dc_(withFrame ? GetWindowDC(window) : GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), ps_{}, dc_(BeginPaint(window, &ps_)) {}
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { EndPaint(window_, &ps_); }
  HDC get() const { return dc_; }
  const RECT& Dirty() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectObjectGuard {
 public:
  SelectObjectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectObjectGuard(const SelectObjectGuard&) = delete;
  SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;
  ~SelectObjectGuard() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// SaveDC / RestoreDC: clip region, origins, modes and selections come back.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  ~SavedDC() {
    if (state_) RestoreDC(dc_, state_);
  }

 private:
  HDC dc_;
  int state_;
};

// The RGB value of a colour now: system colours through GetSysColor.
inline COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
  return static_cast<COLORREF>(color) & 0x00FFFFFF;
}

// Fills with the DC's own brush (DC_BRUSH) in a colour: no brush is made.
inline void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// Selects the DC's own pen (DC_PEN, one pixel) or brush (DC_BRUSH) in a
// colour for a scope: painting makes no pen or brush per figure.
class DCPenSelection {
 public:
  DCPenSelection(HDC dc, COLORREF color) : selection_(dc, GetStockObject(DC_PEN)) { SetDCPenColor(dc, color); }

 private:
  SelectObjectGuard selection_;
};

class DCBrushSelection {
 public:
  DCBrushSelection(HDC dc, COLORREF color) : selection_(dc, GetStockObject(DC_BRUSH)) {
    SetDCBrushColor(dc, color);
  }

 private:
  SelectObjectGuard selection_;
};

inline Brush SolidBrush(TColor color) { return Brush(CreateSolidBrush(ColorToRGB(color))); }
inline Pen SolidPen(TColor color, int width = 1) {
  return Pen(CreatePen(PS_SOLID, width, ColorToRGB(color)));
}

}  // namespace tk
