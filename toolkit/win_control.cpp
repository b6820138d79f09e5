#include "toolkit/win_control.h"

#include <algorithm>
#include <utility>

#include "toolkit/core/form_description.h"

#include "toolkit/container.h"
#include "toolkit/contrast.h"
#include "toolkit/font_handle.h"
#include "toolkit/form.h"

namespace tk {

StoredPlacement PlacementOf(const ParentSite& site) {
  StoredPlacement placement;
  if (!site.stored) return placement;
  const form::ObjectNode& stored = *site.stored;
  auto left = stored.FindInteger("Left"), top = stored.FindInteger("Top");
  auto width = stored.FindInteger("Width"), height = stored.FindInteger("Height");
  if (left && top && width && height) placement.bounds = RECT{*left, *top, *width, *height};
  placement.visible = stored.FindBool("Visible").value_or(true);
  return placement;
}

std::string StoredIdentifier(const ParentSite& site, std::string_view name) {
  return site.stored ? site.stored->FindIdentifier(name).value_or(std::string()) : std::string();
}

WinControl::~WinControl() {
  if (form_) form_->ForgetControl(this);
  if (!hwnd_) return;
  if (ownsWindow_) {
    // The filters go first (they are of parts already gone); the window's
    // messages pass straight to its own procedure until it is destroyed.
    filters_.clear();
    DestroyWindow(hwnd_);
  } else {
    UnhookWindow();
  }
}

int WinControl::AddMessageFilter(MessageFilter filter) {
  HookWindow();
  filters_.push_back(Filter{nextFilterKey_, std::move(filter)});
  return nextFilterKey_++;
}

void WinControl::RemoveMessageFilter(int key) {
  std::erase_if(filters_, [key](const Filter& f) { return f.key == key; });
}

void WinControl::HookWindow() {
  if (windowProc_ || !hwnd_) return;
  // The native classes leave the user data to the program: it names the object.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  windowProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WinControl::FilteredProc)));
}

void WinControl::UnhookWindow() {
  if (!windowProc_ || !hwnd_) return;
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc_));
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  windowProc_ = nullptr;
}

LRESULT CALLBACK WinControl::OnCreating(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    // The window made under the hook is the control's: it names the control
    // as its creation parameter (which native controls leave alone).
    const auto* created = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
    auto* self = static_cast<WinControl*>(created->lpcs->lpCreateParams);
    if (self && self->awaitingWindow_ && !self->hwnd_) {
      self->awaitingWindow_ = false;
      self->hwnd_ = reinterpret_cast<HWND>(wParam);
      self->HookWindow();
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WinControl::FilteredProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<WinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    // The window's last message: nothing of it needs giving back.
    LRESULT result = self->Filtered(self->filters_.size(), message, wParam, lParam);
    self->windowProc_ = nullptr;
    return result;
  }
  return self->Filtered(self->filters_.size(), message, wParam, lParam);
}

LRESULT WinControl::Filtered(std::size_t below, UINT message, WPARAM wParam, LPARAM lParam) {
  if (below == 0) return CallWindowProcW(windowProc_, hwnd_, message, wParam, lParam);
  // A copy: a filter may remove itself (or others) while it answers.
  MessageFilter filter = filters_[below - 1].filter;
  const Next next = [this, below](UINT m, WPARAM w, LPARAM l) {
    return Filtered(std::min(below - 1, filters_.size()), m, w, l);
  };
  return filter(message, wParam, lParam, next);
}

void WinControl::Attach(const ParentSite& site, HWND hwnd) {
  hwnd_ = hwnd;
  form_ = &site.form;
  form_->AddControl(this);
  font_ = site.container.Font();
  color_ = site.container.Color();
  // Under stored properties the font reaches the window once, at their end.
  if (storing_) fontPending_ = true;
  else ApplyFont(false);
}

void WinControl::EndStoredProperties() {
  storing_ = false;
  if (std::exchange(framePending_, false)) FrameChanged();
  if (std::exchange(fontPending_, false)) ApplyFont(false);
  const RECT now{left_, top_, width_, height_};
  if (std::exchange(boundsPending_, false) && (placeAfterStored_ || !EqualRect(&now, &madeAt_))) ApplyBounds();
}

StoredPlacement WinControl::TakeStoredPlacement(const ParentSite& site) {
  const StoredPlacement placement = PlacementOf(site);
  if (placement.bounds) {
    const RECT& b = *placement.bounds;
    left_ = b.left;
    top_ = b.top;
    width_ = b.right;
    height_ = b.bottom;
    madeAt_ = b;
  }
  if (site.stored) storing_ = true;
  return placement;
}

void WinControl::CreateNative(const ParentSite& site, const wchar_t* windowClass, DWORD style,
                              DWORD exStyle, int insetRight, MessageFilter fromCreation) {
  id_ = site.form.NextControlId();
  visible_ = TakeStoredPlacement(site).visible;
  // A filter from creation stands in front of the window as the system
  // announces it (before its first message), through a hook of this
  // thread's for as long as the window is being made.
  HHOOK hook = nullptr;
  if (fromCreation) {
    filters_.push_back(Filter{nextFilterKey_++, std::move(fromCreation)});
    awaitingWindow_ = true;
    hook = SetWindowsHookExW(WH_CBT, &WinControl::OnCreating, nullptr, GetCurrentThreadId());
  }
  HWND hwnd = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | (visible_ ? WS_VISIBLE : 0) | style, left_,
                              top_, std::max(0, width_ - insetRight), height_, site.container.Handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), nullptr, hook ? this : nullptr);
  if (hook) UnhookWindowsHookEx(hook);
  awaitingWindow_ = false;
  if (!hwnd) {
    hwnd_ = nullptr;
    windowProc_ = nullptr;
    throw std::runtime_error("cannot create a control window");
  }
  ownsWindow_ = true;
  Attach(site, hwnd);
}

void WinControl::AdoptWindow(const ParentSite& site, HWND hwnd) {
  id_ = site.form.NextControlId();
  if (site.stored) {
    // The owner made the window in its stored place (PlacementOf).
    TakeStoredPlacement(site);
    visible_ = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  }
  SetWindowLongPtrW(hwnd, GWLP_ID, id_);
  ownsWindow_ = false;
  Attach(site, hwnd);
}

void WinControl::ReplaceWindow(HWND fresh) {
  HWND old = hwnd_;
  const bool hooked = windowProc_ != nullptr;
  UnhookWindow();
  hwnd_ = fresh;
  if (hooked) HookWindow();
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
  if (!hwnd_) return;
  // A window already in that state (made hidden from its stored object) is left alone.
  const bool shown = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != visible) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
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
  ApplyFont(true);
}

void WinControl::ApplyFont(bool redraw) {
  fontHandle_ = FontTable::Shared().Get(font_);
  if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), redraw);
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
  if (HighContrast()) {
    // The theme's face and its text, as the system's own dialogs show them.
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  SetTextColor(dc, ColorToRGB(font_.color));
  SetBkColor(dc, ColorToRGB(color_));
  return BackgroundBrush();
}

std::optional<LRESULT> ReflectToControl(const TForm& form, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      WinControl* c = form.ControlOf(reinterpret_cast<HWND>(lParam));
      if (!c) {
        // From the dialog manager (Enter): only the control's id is given.
        if (lParam != 0) return std::nullopt;
        c = form.FindByControlId(LOWORD(wParam));
        if (!c) return LRESULT{0};
      }
      return c->Command(HIWORD(wParam));
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      WinControl* c = header ? form.ControlOf(header->hwndFrom) : nullptr;
      if (!c) return std::nullopt;
      return c->Notify(header);
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      WinControl* c = form.ControlOf(reinterpret_cast<HWND>(lParam));
      if (!c) return std::nullopt;
      return c->Scroll(LOWORD(wParam));
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      WinControl* c = form.ControlOf(reinterpret_cast<HWND>(lParam));
      if (!c) return std::nullopt;
      return reinterpret_cast<LRESULT>(c->CtlColor(reinterpret_cast<HDC>(wParam)));
    }
    default: return std::nullopt;
  }
}

}  // namespace tk
