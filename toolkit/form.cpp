#include "toolkit/form.h"

#include <utility>

#include "toolkit/buttons.h"
#include "toolkit/font_handle.h"
#include "toolkit/gdi.h"
#include "toolkit/screen_dpi.h"
#include "toolkit/text.h"

namespace tk {

namespace {
constexpr wchar_t kFormProperty[] = L"Tarvex2.Form";

// For a modal form: disables the owner and every other enabled, visible
// top-level window of the thread for a scope, and enables again exactly
// those it disabled.
class DisabledThreadWindows {
 public:
  explicit DisabledThreadWindows(HWND modal) : modal_(modal) {
    HWND owner = GetWindow(modal, GW_OWNER);
    if (owner && IsWindowEnabled(owner)) Disable(owner);
    EnumThreadWindows(GetCurrentThreadId(), &DisabledThreadWindows::Visit,
                      reinterpret_cast<LPARAM>(this));
  }
  DisabledThreadWindows(const DisabledThreadWindows&) = delete;
  DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;
  ~DisabledThreadWindows() { Restore(); }
  void Restore() {
    for (HWND hwnd : disabled_)
      if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    disabled_.clear();
  }

 private:
  static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
    auto* me = reinterpret_cast<DisabledThreadWindows*>(self);
    if (hwnd != me->modal_ && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) me->Disable(hwnd);
    return TRUE;
  }
  void Disable(HWND hwnd) {
    EnableWindow(hwnd, FALSE);
    disabled_.push_back(hwnd);
  }

  HWND modal_;
  std::vector<HWND> disabled_;
};

// Marks the form as in its modal loop for a scope.
class ModalFlag {
 public:
  explicit ModalFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ModalFlag(const ModalFlag&) = delete;
  ModalFlag& operator=(const ModalFlag&) = delete;
  ~ModalFlag() { flag_ = false; }

 private:
  bool& flag_;
};
}  // namespace

TForm::TForm(std::string className) : className_(std::move(className)) { SetColor(clBtnFace); }

TForm::~TForm() {
  // Components first, the last made first: children go before their panels.
  while (!components_.empty()) components_.pop_back();
  if (HandleAllocated()) RemovePropW(Handle(), kFormProperty);
  DestroyHandle();
}

void TForm::CreateFormWindow(HWND ownerWindow) {
  const bool child = parentWindow_ != nullptr;
  DWORD style = (child ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP) | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  switch (borderStyle_) {
    case FormBorderStyle::bsDialog:
      style |= WS_CAPTION | WS_SYSMENU;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case FormBorderStyle::bsSingle:
      style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
      break;
    case FormBorderStyle::bsNone: break;
  }
  if (!child && (alphaBlend_ || transparentColor_)) exStyle |= WS_EX_LAYERED;
  RECT r{0, 0, clientWidth_, clientHeight_};
  AdjustFrame(r, style, exStyle);
  int width = r.right - r.left, height = r.bottom - r.top;
  int x = left_, y = top_;
  if (!child && position_ == FormPosition::poScreenCenter) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  const std::wstring caption = Widen(caption_.Get(nullptr));
  HWND parentOrOwner = child ? parentWindow_ : ownerWindow;
  bool made = false;
  if (iconName_.empty()) {
    made = CreateHandle(exStyle, style, parentOrOwner, x, y, width, height, caption.c_str());
  } else {
    const std::wstring icon = Widen(iconName_);
    if (!FindResourceW(ModuleInstance(), icon.c_str(), MAKEINTRESOURCEW(14)))  // RT_GROUP_ICON
      throw form::DescriptionError(0, "no icon resource " + iconName_);
    made = CreateHandleWithIcon(icon, exStyle, style, parentOrOwner, x, y, width, height, caption.c_str());
  }
  if (!made) throw std::runtime_error("cannot create the form's window");
  if (exStyle & WS_EX_LAYERED) ApplyLayeredSettings();
  SetPropW(Handle(), kFormProperty, this);
}

void TForm::AdjustFrame(RECT& client, DWORD style, DWORD exStyle) const {
  // A form that follows the screen sits on a monitor of its own resolution.
  if (followsScreen_) AdjustFrameForDpi(client, style, exStyle, scaling_.Dpi());
  else AdjustWindowRectEx(&client, style, FALSE, exStyle);
}

void TForm::ApplyLayeredSettings() {
  DWORD flags = (alphaBlend_ ? LWA_ALPHA : 0) | (transparentColor_ ? LWA_COLORKEY : 0);
  SetLayeredWindowAttributes(Handle(), ColorToRGB(transparentColorValue_),
                             static_cast<BYTE>(alphaBlend_ ? alphaBlendValue_ : 255), flags);
}

void TForm::ScaleFontToScreen() {
  if (pixelsPerInch_ <= 0) return;
  FontRecord font = Font();
  font.height = MulDivRounded(font.height, ScreenPixelsPerInch(), pixelsPerInch_);
  SetFont(font);
}

TForm* TForm::FromDescendant(HWND hwnd) {
  for (HWND h = hwnd; h; h = GetAncestor(h, GA_PARENT)) {
    if (auto* form = static_cast<TForm*>(GetPropW(h, kFormProperty))) return form;
    if (!(GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

void TForm::SetCaption(const CodedText& caption) { caption_.Set(HandleAllocated() ? Handle() : nullptr, caption); }

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  if (!HandleAllocated()) return;
  RECT r{0, 0, width, height};
  AdjustFrame(r, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)),
              static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
  SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Component* TForm::FindComponent(std::string_view name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

WinControl* TForm::FindByControlId(int id) const {
  auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : it->second;
}

WinControl* TForm::ControlOf(HWND hwnd) const {
  if (!hwnd) return nullptr;
  WinControl* control = FindByControlId(GetDlgCtrlID(hwnd));
  return control && control->Handle() == hwnd ? control : nullptr;
}

void TForm::AddControl(WinControl* control) { byId_[control->ControlId()] = control; }

void TForm::ForgetControl(const WinControl* control) {
  auto it = byId_.find(control->ControlId());
  if (it != byId_.end() && it->second == control) byId_.erase(it);
}

void TForm::RegisterDefaultButton(int controlId) {
  if (defaultButtonId_ == 0) defaultButtonId_ = controlId;
}

void TForm::RegisterCancelButton(int controlId) {
  if (cancelButtonId_ == 0) cancelButtonId_ = controlId;
}

void TForm::Invoke(const Handler& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (...) {
    if (!pendingError_) pendingError_ = std::current_exception();
    if (inModal_) modalResult_ = mrAbort;
  }
}

void TForm::Close() {
  if (inModal_) {
    modalResult_ = mrCancel;
  } else if (HandleAllocated()) {
    ShowWindow(Handle(), SW_HIDE);
  }
}

int TForm::ShowModal() {
  if (!HandleAllocated()) throw std::logic_error("the form has no window");
  if (inModal_) throw std::logic_error("the form is already shown modally");
  modalResult_ = mrNone;
  pendingError_ = nullptr;
  {
    ModalFlag modal(inModal_);
    DisabledThreadWindows others(Handle());
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) ::SetFocus(first);
    MSG msg;
    while (modalResult_ == mrNone) {
      BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
        modalResult_ = mrCancel;
        break;
      }
      if (!IsDialogMessageW(Handle(), &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      if (!HandleAllocated()) modalResult_ = mrCancel;
    }
    // The others come back before the form hides, so the owner is activated again.
    others.Restore();
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  }
  if (pendingError_) std::rethrow_exception(std::exchange(pendingError_, nullptr));
  return modalResult_;
}

LRESULT TForm::OnClose() {
  Close();
  return 0;
}

WPARAM TForm::MapDialogCommand(WPARAM wParam) const {
  // Esc from the dialog manager presses the cancel button, if there is one.
  if (LOWORD(wParam) == IDCANCEL && cancelButtonId_ != 0) return MAKEWPARAM(cancelButtonId_, BN_CLICKED);
  // Enter without a default button presses the focused push button.
  if (LOWORD(wParam) == IDOK && defaultButtonId_ == 0) {
    WinControl* focused = ControlOf(GetFocus());
    if (focused && focused->Form() == this && dynamic_cast<TButton*>(focused))
      return MAKEWPARAM(focused->ControlId(), BN_CLICKED);
  }
  return wParam;
}

LRESULT TForm::OnGetDefId() {
  if (defaultButtonId_ == 0) return 0;
  return MAKELRESULT(defaultButtonId_, DC_HASDEFID);
}

UINT FindComponentMessage() {
  static const UINT message = RegisterWindowMessageA("TarvexFindComponent");
  return message;
}

namespace {
// False when the window or one of its parents up to (not including) top is hidden.
bool ShownUpTo(HWND hwnd, HWND top) {
  for (HWND h = hwnd; h && h != top; h = GetParent(h))
    if (!(GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE)) return false;
  return true;
}
}  // namespace

LRESULT TForm::OnFindComponent(const char* name, RECT* bounds) {
  if (bounds) *bounds = RECT{};
  Component* component = name ? FindComponent(name) : nullptr;
  if (!component) return 0;
  // Bounds in the surface that carries the component, then in the form's client area.
  RECT r{};
  HWND surface = nullptr;
  bool shown = false;
  LRESULT result = 1;
  if (WinControl* win = component->AsWinControl()) {
    r = RECT{win->Left(), win->Top(), win->Left() + win->Width(), win->Top() + win->Height()};
    surface = GetParent(win->Handle());
    shown = win->Visible() && ShownUpTo(win->Handle(), Handle());
    result = reinterpret_cast<LRESULT>(win->Handle());
  } else if (Control* control = component->AsControl()) {
    r = control->BoundsRect();
    surface = control->Parent() ? control->Parent()->Handle() : nullptr;
    shown = control->Visible() && surface && ShownUpTo(surface, Handle());
  }
  if (bounds && shown && surface) {
    MapWindowPoints(surface, Handle(), reinterpret_cast<POINT*>(&r), 2);
    *bounds = r;
  }
  return result;
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == FindComponentMessage())
    return OnFindComponent(reinterpret_cast<const char*>(wParam), reinterpret_cast<RECT*>(lParam));
  switch (message) {
    case WM_CLOSE: return OnClose();
    case DM_GETDEFID: return OnGetDefId();
    case WM_DPICHANGED:
      if (followsScreen_) return OnDpiChanged(wParam, *reinterpret_cast<const RECT*>(lParam));
      break;
    case WM_COMMAND:
      if (lParam == 0) wParam = MapDialogCommand(wParam);
      break;
    case WM_NCDESTROY:
      // Destroyed by someone else (another program's parent window went):
      // the components' windows went before; they let go of their handles.
      for (const auto& entry : byId_) entry.second->ForgetWindow();
      break;
    default: break;
  }
  if (auto result = ReflectToControl(*this, message, wParam, lParam)) return *result;
  return Container::HandleMessage(message, wParam, lParam);
}

}  // namespace tk
