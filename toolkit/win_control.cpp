#include "toolkit/win_control.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "toolkit/core/form_description.h"

#include "toolkit/container.h"
#include "toolkit/contrast.h"
#include "toolkit/font_handle.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"

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

// What the window's user data names while our procedure is in its chain:
// the control (null once it has gone) and the procedure we hand on to. It
// is the control's while the control lives; when the control goes and
// another party's procedure stands in front of ours, it stays with the
// window and hands every message on until WM_NCDESTROY.
struct WinControl::Subclass {
  WinControl* control;
  WNDPROC windowProc;
};

namespace {

// The controls whose windows are being made under a creation hook, by
// thread: every window made meanwhile passes the hook (a class of another's
// may pass anything as its creation parameter), and only the one whose
// parameter is this thread's awaited control is taken.
class AwaitedControls {
 public:
  void Add(void* control) {
    Locked hold(lock_);
    entries_.push_back(Entry{GetCurrentThreadId(), control});
  }
  // Whether params is this thread's awaited control; it is then no longer awaited.
  bool Take(const void* params) {
    if (!params) return false;
    Locked hold(lock_);
    const DWORD thread = GetCurrentThreadId();
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
      if (it->thread != thread) continue;
      if (it->control != params) return false;  // the innermost creation of this thread counts
      entries_.erase(std::next(it).base());
      return true;
    }
    return false;
  }
  void Remove(const void* control) {
    Locked hold(lock_);
    std::erase_if(entries_, [control](const Entry& e) { return e.control == control; });
  }

 private:
  struct Entry {
    DWORD thread;
    const void* control;
  };
  class Locked {
   public:
    explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    ~Locked() { ReleaseSRWLockExclusive(&lock_); }

   private:
    SRWLOCK& lock_;
  };
  SRWLOCK lock_ = SRWLOCK_INIT;
  std::vector<Entry> entries_;
};

AwaitedControls& Awaited() {
  static AwaitedControls awaited;
  return awaited;
}

}  // namespace

WinControl::~WinControl() {
  if (form_) form_->ForgetControl(this);
  if (!hwnd_) return;
  if (ownsWindow_) {
    // The filters go first (they are of parts already gone); the window's
    // messages pass straight to its own procedure until it is destroyed.
    filters_.clear();
    DestroyWindow(hwnd_);
  }
  // What is left of our procedure (the window lives on, or was not
  // destroyed) no longer names this control.
  UnhookWindow(true);
}

int WinControl::AddMessageFilter(MessageFilter filter) {
  HookWindow();
  filters_.push_back(Filter{nextFilterKey_, std::move(filter)});
  return nextFilterKey_++;
}

void WinControl::RemoveMessageFilter(int key) {
  std::erase_if(filters_, [key](const Filter& f) { return f.key == key; });
  if (filters_.empty()) UnhookWindow(false);
}

void WinControl::ForgetWindow() {
  // A window with our procedure keeps it to its end: its filters see it go,
  // and its last message lets go of the handle (FilteredProc).
  if (!subclass_) hwnd_ = nullptr;
}

void WinControl::HookWindow() {
  if (subclass_ || !hwnd_) return;
  // The native classes leave the user data to the program: it names the
  // link. A window whose user data is taken belongs to an object that reads
  // it for every message; the filters must not take it from under it.
  if (GetWindowLongPtrW(hwnd_, GWLP_USERDATA) != 0)
    throw std::logic_error("message filters on a window whose user data another object holds");
  subclass_ = new Subclass{this, nullptr};
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(subclass_));
  subclass_->windowProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WinControl::FilteredProc)));
}

void WinControl::UnhookWindow(bool leaveToWindow) {
  if (!subclass_) return;
  const auto ours = reinterpret_cast<LONG_PTR>(&WinControl::FilteredProc);
  if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == ours) {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass_->windowProc));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    delete std::exchange(subclass_, nullptr);
    return;
  }
  // Another party's procedure is in front and hands on to ours: undoing the
  // chain would cut it out. Ours stays and passes every message through;
  // once the control goes, the link is the window's (freed at WM_NCDESTROY).
  if (leaveToWindow) std::exchange(subclass_, nullptr)->control = nullptr;
}

LRESULT CALLBACK WinControl::OnCreating(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    // The control's window names it as its creation parameter (which native
    // controls leave alone); every other window made meanwhile is passed by.
    const auto* created = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
    void* params = created->lpcs->lpCreateParams;
    if (Awaited().Take(params)) {
      auto* self = static_cast<WinControl*>(params);
      self->hwnd_ = reinterpret_cast<HWND>(wParam);
      self->HookWindow();
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WinControl::FilteredProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* link = reinterpret_cast<Subclass*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!link) return DefWindowProcW(hwnd, message, wParam, lParam);
  const Delivery delivery{hwnd, link->windowProc};
  WinControl* self = link->control;
  LRESULT result = self ? self->Filtered(delivery, self->filters_.size(), message, wParam, lParam)
                        : CallWindowProcW(delivery.windowProc, hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The window's last message: a control that is still there keeps no
    // handle of it, and the link goes with it (unless a filter that went
    // meanwhile gave the procedure back, and the link with it).
    if (self && self->hwnd_ == hwnd) self->hwnd_ = nullptr;
    if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(link)) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      if (self && self->subclass_ == link) self->subclass_ = nullptr;
      delete link;
    }
  }
  return result;
}

LRESULT WinControl::Filtered(const Delivery& delivery, std::size_t below, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  if (below == 0) return CallWindowProcW(delivery.windowProc, delivery.hwnd, message, wParam, lParam);
  // A copy: a filter may remove itself (or others) while it answers.
  MessageFilter filter = filters_[below - 1].filter;
  const Next next = [this, delivery, below](UINT m, WPARAM w, LPARAM l) {
    return Filtered(delivery, std::min(below - 1, filters_.size()), m, w, l);
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
  Hook hook;
  if (fromCreation) {
    filters_.push_back(Filter{nextFilterKey_++, std::move(fromCreation)});
    Awaited().Add(this);
    hook.Reset(SetWindowsHookExW(WH_CBT, &WinControl::OnCreating, nullptr, GetCurrentThreadId()));
  }
  HWND hwnd = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | (visible_ ? WS_VISIBLE : 0) | style, left_,
                              top_, std::max(0, width_ - insetRight), height_, site.container.Handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), nullptr, hook ? this : nullptr);
  hook.Reset();
  Awaited().Remove(this);
  if (!hwnd) {
    hwnd_ = nullptr;
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
  const bool hooked = subclass_ != nullptr;
  UnhookWindow(true);
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
    case WM_PARENTNOTIFY:
      // A control's window destroyed by someone else: the control lets go of it.
      if (LOWORD(wParam) == WM_DESTROY)
        if (WinControl* c = form.ControlOf(reinterpret_cast<HWND>(lParam))) c->ForgetWindow();
      return std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace tk
