#include "toolkit/track_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/container.h"
#include "toolkit/contrast.h"
#include "toolkit/gdi.h"

namespace tk {


TTrackBar::TTrackBar(const ParentSite& site) : surface_(site.container) {
  CreateNative(site, TRACKBAR_CLASSW, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP);
  AddMessageFilter([this](UINT m, WPARAM w, LPARAM l, const Next& next) { return BorderFilter(m, w, l, next); });
  SetMin(0);
  SetMax(10);
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::SetOrientation(TrackBarOrientation orientation) {
  LONG_PTR s = GetWindowLongPtrW(Handle(), GWL_STYLE);
  s &= ~static_cast<LONG_PTR>(TBS_VERT | TBS_HORZ);
  s |= orientation == TrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
  SetWindowLongPtrW(Handle(), GWL_STYLE, s);
  FrameChanged();
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TTrackBar::SetMin(int value) {
  min_ = value;
  SendMessageW(Handle(), TBM_SETRANGEMIN, TRUE, value);
}

void TTrackBar::SetMax(int value) {
  max_ = value;
  SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, value);
}

int TTrackBar::Position() const { return static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)); }

void TTrackBar::SetPosition(int value) {
  SendMessageW(Handle(), TBM_SETPOS, TRUE, value);
  last_ = Position();
}

void TTrackBar::SetFrequency(int value) { SendMessageW(Handle(), TBM_SETTICFREQ, value, 0); }

void TTrackBar::SetBorderWidth(int width) {
  border_ = std::max(0, width);
  // The border is the window's non-client frame: recompute and repaint it.
  FrameChanged();
}

void TTrackBar::PaintBorder(HDC dc) {
  // dc's origin is the window's top-left corner.
  RECT window{};
  GetWindowRect(Handle(), &window);
  OffsetRect(&window, -window.left, -window.top);
  RECT inner = window;
  InflateRect(&inner, -border_, -border_);
  SavedDC saved(dc);
  ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  FillSolid(dc, window, ColorToRGB(DrawnColor(surface_.Color(), ColorRole::Face)));
}

LRESULT TTrackBar::BorderFilter(UINT message, WPARAM wParam, LPARAM lParam, const Next& next) {
  const HWND hwnd = Handle();
  if (border_ > 0) {
    if (message == WM_NCCALCSIZE) {
      LRESULT result = next(message, wParam, lParam);
      auto* r = reinterpret_cast<RECT*>(lParam);  // the first rectangle in both forms
      r->left = std::min(r->left + border_, r->right);
      r->top = std::min(r->top + border_, r->bottom);
      r->right = std::max(r->right - border_, r->left);
      r->bottom = std::max(r->bottom - border_, r->top);
      return result;
    }
    if (message == WM_NCPAINT) {
      LRESULT result = next(message, wParam, lParam);
      const WindowDC dc(hwnd, true);
      if (dc.get()) PaintBorder(dc.get());
      return result;
    }
    if (message == WM_PRINT && (lParam & PRF_NONCLIENT)) {
      LRESULT result = next(message, wParam, lParam);
      PaintBorder(reinterpret_cast<HDC>(wParam));
      return result;
    }
  }
  return next(message, wParam, lParam);
}

LRESULT TTrackBar::Scroll(WORD) {
  int now = Position();
  if (now != last_) {
    last_ = now;
    if (OnChange) OnChange();
  }
  return 0;
}

}  // namespace tk
