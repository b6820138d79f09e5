#include "toolkit/win_control.h"

#include <utility>

#include "toolkit/container.h"
#include "toolkit/font_handle.h"
#include "toolkit/form.h"

namespace tk {

namespace {
constexpr wchar_t kObjectProperty[] = L"Tarvex2.WinControl";
}

WinControl::~WinControl() {
  if (hwnd_) {
    RemovePropW(hwnd_, kObjectProperty);
    if (ownsWindow_) DestroyWindow(hwnd_);
  }
}

WinControl* WinControl::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  return static_cast<WinControl*>(GetPropW(hwnd, kObjectProperty));
}

void WinControl::Attach(const ParentSite& site, HWND hwnd) {
  hwnd_ = hwnd;
  form_ = &site.form;
  SetPropW(hwnd_, kObjectProperty, this);
  font_ = site.container.Font();
  color_ = site.container.Color();
  fontHandle_ = FontTable::Shared().Get(font_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), FALSE);
}

void WinControl::EndStoredProperties() {
  storing_ = false;
  if (std::exchange(framePending_, false)) FrameChanged();
  if (std::exchange(fontPending_, false)) ApplyFont();
  if (std::exchange(boundsPending_, false)) ApplyBounds();
}

void WinControl::CreateNative(const ParentSite& site, const wchar_t* windowClass, DWORD style,
                              DWORD exStyle) {
  id_ = site.form.NextControlId();
  HWND hwnd = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                              site.container.Handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), nullptr, nullptr);
  if (!hwnd) throw std::runtime_error("cannot create a control window");
  ownsWindow_ = true;
  Attach(site, hwnd);
}

void WinControl::AdoptWindow(const ParentSite& site, HWND hwnd) {
  id_ = site.form.NextControlId();
  SetWindowLongPtrW(hwnd, GWLP_ID, id_);
  ownsWindow_ = false;
  Attach(site, hwnd);
}

void WinControl::ReplaceWindow(HWND fresh) {
  HWND old = hwnd_;
  RemovePropW(old, kObjectProperty);
  hwnd_ = fresh;
  SetPropW(hwnd_, kObjectProperty, this);
  SetWindowPos(hwnd_, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (ownsWindow_) DestroyWindow(old);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), FALSE);
  ShowWindow(hwnd_, visible_ ? SW_SHOWNA : SW_HIDE);
  EnableWindow(hwnd_, enabled_);
}

void WinControl::FrameChanged() {
  if (storing_) {
    framePending_ = true;
    return;
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void WinControl::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (storing_) {
    boundsPending_ = true;
    return;
  }
  ApplyBounds();
}

void WinControl::ApplyBounds() {
  if (hwnd_) MoveWindow(hwnd_, left_, top_, width_, height_, TRUE);
}

void WinControl::SetVisible(bool visible) {
  visible_ = visible;
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void WinControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (hwnd_) EnableWindow(hwnd_, enabled);
}

void WinControl::SetFont(const FontRecord& font) {
  if (font == font_ && fontHandle_) return;
  font_ = font;
  if (storing_) {
    fontPending_ = true;
    return;
  }
  ApplyFont();
}

void WinControl::ApplyFont() {
  fontHandle_ = FontTable::Shared().Get(font_);
  if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), TRUE);
}

void WinControl::SetColor(TColor color) {
  color_ = color;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void WinControl::SetTabStop(bool value) {
  if (!hwnd_) return;
  LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
}

void WinControl::SetFocus() {
  if (hwnd_) ::SetFocus(hwnd_);
}

HBRUSH WinControl::BackgroundBrush() {
  if (!brush_ || brushColor_ != color_) {
    brush_ = SolidBrush(color_);
    brushColor_ = color_;
  }
  return brush_.get();
}

HBRUSH WinControl::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(font_.color));
  SetBkColor(dc, ColorToRGB(color_));
  return BackgroundBrush();
}

std::optional<LRESULT> ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      WinControl* c = WinControl::FromHandle(reinterpret_cast<HWND>(lParam));
      if (!c) {
        // From the dialog manager (Enter): only the control's id is given.
        if (lParam != 0) return std::nullopt;
        TForm* form = TForm::FromDescendant(parent);
        c = form ? form->FindByControlId(LOWORD(wParam)) : nullptr;
        if (!c) return LRESULT{0};
      }
      return c->Command(HIWORD(wParam));
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      WinControl* c = header ? WinControl::FromHandle(header->hwndFrom) : nullptr;
      if (!c) return std::nullopt;
      return c->Notify(header);
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      WinControl* c = WinControl::FromHandle(reinterpret_cast<HWND>(lParam));
      if (!c) return std::nullopt;
      return c->Scroll(LOWORD(wParam));
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      WinControl* c = WinControl::FromHandle(reinterpret_cast<HWND>(lParam));
      if (!c) return std::nullopt;
      return reinterpret_cast<LRESULT>(c->CtlColor(reinterpret_cast<HDC>(wParam)));
    }
    default: return std::nullopt;
  }
}

}  // namespace tk
