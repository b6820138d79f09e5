#pragma once
// Windowed components: native controls (button, edit, list, track bar) and
// panels, each owning one child window of its parent's surface. The parent
// reflects the control's notifications (WM_COMMAND, WM_NOTIFY, scrolls,
// WM_CTLCOLOR*) back to the object, which reacts through its own events.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "toolkit/core/color.h"
#include "toolkit/core/font.h"
#include "toolkit/font_handle.h"
#include "toolkit/gdi.h"

namespace tk {

class Container;
class TForm;

// Where a new component goes: the form that owns it and the surface that
// carries it (the form itself or a panel).
struct ParentSite {
  TForm& form;
  Container& container;
};

class WinControl {
 public:
  WinControl() = default;
  WinControl(const WinControl&) = delete;
  WinControl& operator=(const WinControl&) = delete;
  virtual ~WinControl();

  std::string Name;

  HWND Handle() const { return hwnd_; }
  int ControlId() const { return id_; }
  TForm* Form() const { return form_; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  const FontRecord& Font() const { return font_; }
  virtual void SetFont(const FontRecord& font);
  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);

  // Position among the windowed siblings for Tab; -1 keeps creation order.
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  void SetTabStop(bool value);

  void SetFocus();

  // Reflected notifications; each answers what the parent should return.
  virtual LRESULT Command(WORD /*code*/) { return 0; }
  virtual LRESULT Notify(NMHDR* /*header*/) { return 0; }
  virtual LRESULT Scroll(WORD /*code*/) { return 0; }
  virtual HBRUSH CtlColor(HDC dc);

  // After every stored property has been applied.
  virtual void Loaded() {}

  // Around the stored properties of one control: the bounds and the font
  // they set reach the window once, at the end, rather than once per
  // property (Left, Top, Width, Height; Font.Name, Font.Height, ...).
  void BeginStoredProperties() { storing_ = true; }
  void EndStoredProperties();

  static WinControl* FromHandle(HWND hwnd);

 protected:
  // Creates the native window on the site's surface, visible, at 0,0.
  void CreateNative(const ParentSite& site, const wchar_t* windowClass, DWORD style,
                    DWORD exStyle = 0);
  // For controls whose window another object owns (panels).
  void AdoptWindow(const ParentSite& site, HWND hwnd);
  virtual void ApplyBounds();
  // Puts a new native window in place of the current one (a style that
  // cannot change after creation); the old one is destroyed.
  void ReplaceWindow(HWND fresh);
  // The window's styles or the size of its frame changed: the frame is
  // computed and drawn again now, or once after the stored properties.
  void FrameChanged();

  HBRUSH BackgroundBrush();

 private:
  void Attach(const ParentSite& site, HWND hwnd);
  void ApplyFont();

  HWND hwnd_ = nullptr;
  bool ownsWindow_ = false;
  TForm* form_ = nullptr;
  int id_ = 0;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  int tabOrder_ = -1;
  bool storing_ = false;
  bool boundsPending_ = false;
  bool fontPending_ = false;
  bool framePending_ = false;
  FontRecord font_;
  SharedFont fontHandle_;  // shared with every control of the same font
  TColor color_ = clBtnFace;
  TColor brushColor_ = clNone;
  Brush brush_;
};

// For the windows that carry windowed components: hands a notification to the
// control that sent it. Empty when the message is none of ours.
std::optional<LRESULT> ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tk
