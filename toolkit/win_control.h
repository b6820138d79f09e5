#pragma once
// Windowed components: native controls (button, edit, list, track bar) and
// panels, each owning one child window of its parent's surface. The parent
// reflects the control's notifications (WM_COMMAND, WM_NOTIFY, scrolls,
// WM_CTLCOLOR*) back to the object, which reacts through its own events.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/color.h"
#include "toolkit/core/font.h"
#include "toolkit/font_handle.h"
#include "toolkit/gdi.h"

namespace tk {

namespace form {
struct ObjectNode;
}

class Container;
class TForm;

// Where a new component goes: the form that owns it and the surface that
// carries it (the form itself or a panel); for a component of a stored
// description, also its stored object, from which its window is made in
// place (bounds, visibility, frame) rather than moved there afterwards.
struct ParentSite {
  TForm& form;
  Container& container;
  const form::ObjectNode* stored = nullptr;
};

// What a stored object gives a window before its properties are applied,
// read by the stored object's one reader (form::ObjectNode::Find: the last
// of a name counts, True and False in any case): its bounds when all four of
// Left, Top, Width and Height are stored, and its stored Visible.
struct StoredPlacement {
  std::optional<RECT> bounds;  // left, top, width, height
  bool visible = true;
};
StoredPlacement PlacementOf(const ParentSite& site);
// The stored identifier of a property (BorderStyle = bsNone), or empty.
std::string StoredIdentifier(const ParentSite& site, std::string_view name);

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

  // Messages to the native window reach the filters first, the last added
  // first; each answers or hands the message on with next. The window's own
  // procedure is replaced when the first filter comes (the window's user
  // data then names the control: no window property is asked per message).
  // It is given back when the last filter goes, or when the control goes and
  // leaves its window alive, provided the procedure in front is still ours:
  // where another party has subclassed the window since, ours stays in the
  // chain and hands every message on until the window goes. A window being
  // destroyed keeps ours to its last message.
  // A window whose user data is already taken (one that another object owns,
  // as a panel's) takes no filter: adding one throws std::logic_error.
  using Next = std::function<LRESULT(UINT, WPARAM, LPARAM)>;
  using MessageFilter = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam, const Next& next)>;
  // Returns the filter's key for RemoveMessageFilter.
  int AddMessageFilter(MessageFilter filter);
  void RemoveMessageFilter(int key);

  // The window was destroyed by someone else (its parent, the host): the
  // control lets go of the handle, so that nothing reaches a window that a
  // later one may have taken the handle of.
  void ForgetWindow();

 protected:
  // Creates the native window on the site's surface: in its stored place
  // (narrower by insetRight, room for a part beside it) and visibility when
  // the site has a stored object, and then holds the properties that follow
  // until EndStoredProperties; else visible at 0,0.
  // fromCreation: a filter in front of the window from its first message
  // on (WM_NCCREATE, WM_NCCALCSIZE), so a frame of its own is measured as
  // the window is made.
  void CreateNative(const ParentSite& site, const wchar_t* windowClass, DWORD style,
                    DWORD exStyle = 0, int insetRight = 0, MessageFilter fromCreation = {});
  // For controls whose window another object owns (panels).
  void AdoptWindow(const ParentSite& site, HWND hwnd);
  virtual void ApplyBounds();
  // For a window whose size is not its bounds (a combo box's includes its
  // list): the stored bounds reach it through ApplyBounds after the stored
  // properties, even when it was made at them.
  void PlaceAfterStoredProperties() { placeAfterStored_ = true; }
  // Puts a new native window in place of the current one (a style that
  // cannot change after creation); the old one is destroyed.
  void ReplaceWindow(HWND fresh);
  // The window's styles or the size of its frame changed: the frame is
  // computed and drawn again now, or once after the stored properties.
  void FrameChanged();

  HBRUSH BackgroundBrush();

 private:
  void Attach(const ParentSite& site, HWND hwnd);
  // The stored bounds become the control's and the window's to be; the
  // stored properties that follow are held (EndStoredProperties).
  StoredPlacement TakeStoredPlacement(const ParentSite& site);
  void ApplyFont(bool redraw);
  // What the window's user data names while our procedure is in its chain.
  struct Subclass;
  // One message on its way through the filters to the window's procedure.
  struct Delivery {
    HWND hwnd;
    WNDPROC windowProc;
  };
  static LRESULT CALLBACK FilteredProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK OnCreating(int code, WPARAM wParam, LPARAM lParam);
  LRESULT Filtered(const Delivery& delivery, std::size_t below, UINT message, WPARAM wParam, LPARAM lParam);
  void HookWindow();
  // Gives the window's procedure back where ours is still in front;
  // otherwise, with leaveToWindow, the link is left to the window (it hands
  // on until the window goes), else it stays the control's.
  void UnhookWindow(bool leaveToWindow);

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
  RECT madeAt_{};  // the bounds the window was made with (left, top, width, height)
  bool placeAfterStored_ = false;
  struct Filter {
    int key;
    MessageFilter filter;
  };
  std::vector<Filter> filters_;
  int nextFilterKey_ = 1;
  Subclass* subclass_ = nullptr;  // while our procedure is in the window's chain
  FontRecord font_;
  SharedFont fontHandle_;  // shared with every control of the same font
  TColor color_ = clBtnFace;
  TColor brushColor_ = clNone;
  Brush brush_;
};

// For the windows that carry windowed components: hands a notification to the
// control that sent it. Empty when the message is none of ours.
std::optional<LRESULT> ReflectToControl(const TForm& form, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tk
