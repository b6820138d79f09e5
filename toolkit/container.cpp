#include "toolkit/container.h"

#include <algorithm>

#include "toolkit/buffered_paint.h"
#include "toolkit/contrast.h"
#include "toolkit/gdi.h"

namespace tk {

Container::Container() = default;

Container::~Container() {
  // Children outlive nothing of ours: detach them so they do not call back.
  std::vector<Control*> children = controls_;
  for (Control* c : children) c->SetParent(nullptr);
}

void Container::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  for (Control* c : controls_) c->ParentColorChanged();
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void Container::SetFont(const FontRecord& font) {
  if (font == font_) return;
  font_ = font;
  for (Control* c : controls_) c->ParentFontChanged();
}

void Container::InsertControl(Control* control) {
  if (std::find(controls_.begin(), controls_.end(), control) == controls_.end())
    controls_.push_back(control);
}

void Container::RemoveControl(Control* control) {
  std::erase(controls_, control);
  if (hover_ == control) hover_ = nullptr;
  if (captured_ == control) {
    captured_ = nullptr;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  }
  // Keep the control's own back-pointer consistent when the container drops it.
  if (control->Parent() == this) control->SetParent(nullptr);
}

LayoutScale Container::Scaling() const { return LayoutScale{}; }

int Container::ClientWidth() const {
  RECT r{};
  if (HandleAllocated()) GetClientRect(Handle(), &r);
  return r.right - r.left;
}

int Container::ClientHeight() const {
  RECT r{};
  if (HandleAllocated()) GetClientRect(Handle(), &r);
  return r.bottom - r.top;
}

void Container::Realign() {
  if (!HandleAllocated()) return;
  int w = ClientWidth(), h = ClientHeight();
  for (Control* c : controls_)
    if (c->GetAlign() == Align::alClient) c->SetBounds(0, 0, w, h);
}

void Container::PaintBackground(HDC dc, const RECT& client) {
  FillSolid(dc, client, ColorToRGB(DrawnColor(color_, ColorRole::Face)));
}

void Container::ExcludeKeptAreas(HDC dc) const {
  for (const Control* c : controls_) {
    if (!c->Visible() || !c->Opaque() || c->HasPicture()) continue;
    RECT r = c->BoundsRect();
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
}

void Container::PaintTo(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  SavedDC kept(dc);
  ExcludeKeptAreas(dc);
  // Only what the surface lets through is drawn: the invalid part, a band.
  RECT area = client, clip{};
  const int clipKind = GetClipBox(dc, &clip);
  if (clipKind == NULLREGION) return;
  if (clipKind != ERROR && !IntersectRect(&area, &client, &clip)) return;
  // The topmost opaque control that covers the whole area hides the
  // background and every control beneath it.
  std::size_t first = 0;
  bool background = true;
  for (std::size_t i = controls_.size(); i-- > 0;) {
    const Control* c = controls_[i];
    RECT r = c->BoundsRect(), covered{};
    if (c->Visible() && c->Opaque() && IntersectRect(&covered, &r, &area) && EqualRect(&covered, &area)) {
      first = i;
      background = false;
      break;
    }
  }
  if (background) PaintBackground(dc, client);
  for (std::size_t i = first; i < controls_.size(); ++i) {
    Control* c = controls_[i];
    if (!c->Visible()) continue;
    RECT r = c->BoundsRect();
    RECT visible{};
    if (!IntersectRect(&visible, &r, &area)) continue;
    SavedDC saved(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
    c->Paint(dc);
  }
}

LRESULT Container::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;  // the paint below covers every pixel
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wParam));
    case WM_SIZE: return OnSize();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: return OnMouse(message, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: return OnSettingChange(message, wParam, lParam);
    case WM_DISPLAYCHANGE: return OnDisplayChange(wParam, lParam);
    default: return DefaultHandler(message, wParam, lParam);
  }
}

LRESULT Container::OnPaint() {
  PaintDC dc(Handle());
  if (!dc.get()) return 0;
  // Only the invalid rectangle is composed, in the shared paint buffer.
  RECT client{}, dirty{};
  GetClientRect(Handle(), &client);
  if (!IntersectRect(&dirty, &dc.Dirty(), &client)) return 0;
  // What the buffer holds there is not drawn: the screen keeps its pixels.
  ExcludeKeptAreas(dc.get());
  PaintBuffered(dc.get(), dirty, [this](HDC memory) { PaintTo(memory); });
  return 0;
}

LRESULT Container::OnPrintClient(HDC dc) {
  if (dc) PaintTo(dc);
  return 0;
}

LRESULT Container::OnSize() {
  Realign();
  return 0;
}

Control* Container::ControlAt(int x, int y) const {
  POINT p{x, y};
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* c = *it;
    RECT r = c->BoundsRect();
    if (c->Visible() && PtInRect(&r, p)) return c;
  }
  return nullptr;
}

LRESULT Container::OnMouse(UINT message, LPARAM lParam) {
  int x = static_cast<short>(LOWORD(lParam));
  int y = static_cast<short>(HIWORD(lParam));
  Control* target = captured_ ? captured_ : ControlAt(x, y);
  if (message == WM_MOUSEMOVE) {
    Control* over = ControlAt(x, y);
    if (over != hover_) {
      if (hover_) hover_->MouseLeave();
      hover_ = over;
      if (hover_) hover_->MouseEnter();
    }
    if (!trackingLeave_) {
      TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
      trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
    }
  }
  if (!target || !target->Enabled()) return 0;
  int cx = x - target->Left(), cy = y - target->Top();
  switch (message) {
    case WM_LBUTTONDOWN:
      captured_ = target;
      SetCapture(Handle());
      target->MouseDown(cx, cy);
      break;
    case WM_LBUTTONUP: {
      bool wasCaptured = captured_ == target;
      captured_ = nullptr;
      if (GetCapture() == Handle()) ReleaseCapture();
      target->MouseUp(cx, cy);
      RECT r = target->BoundsRect();
      if (wasCaptured && PtInRect(&r, POINT{x, y})) target->Click();
      break;
    }
    default: target->MouseMove(cx, cy); break;
  }
  return 0;
}

LRESULT Container::OnMouseLeave() {
  trackingLeave_ = false;
  if (hover_) {
    Control* left = hover_;
    hover_ = nullptr;
    left->MouseLeave();
  }
  return 0;
}

LRESULT Container::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) == HTCLIENT) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(Handle(), &p);
    if (Control* c = ControlAt(p.x, p.y); c && c->Cursor()) {
      SetCursor(c->Cursor());
      return TRUE;
    }
  }
  return DefaultHandler(WM_SETCURSOR, wParam, lParam);
}

LRESULT Container::OnSettingChange(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefaultHandler(message, wParam, lParam);
  // The system tells top-level windows only: pass it on to the windowless
  // controls and to the child windows (nested containers and native
  // controls among them).
  std::vector<Control*> children = controls_;
  for (Control* c : children) c->SettingsChanged();
  for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, message, wParam, lParam);
  // A contrast theme turned on or off changes the colours of everything
  // shown (the paints ask which): draw it all again, frame included.
  const bool colours = message == WM_SYSCOLORCHANGE || wParam == SPI_SETHIGHCONTRAST;
  if (colours && (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_CHILD) == 0)
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  return result;
}

LRESULT Container::OnDisplayChange(WPARAM wParam, LPARAM lParam) {
  // wParam: the display's new bits per pixel; the paint buffers follow it.
  PaintBuffer::DisplayChanged(static_cast<int>(wParam));
  return DefaultHandler(WM_DISPLAYCHANGE, wParam, lParam);
}

}  // namespace tk
