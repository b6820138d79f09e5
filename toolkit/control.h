#pragma once
// Windowless controls: they have no window of their own and paint on their
// parent's surface, inside their own rectangle, in the parent's order.

#include <windows.h>

#include <string>

#include "toolkit/core/color.h"
#include "toolkit/core/font.h"
#include "toolkit/core/layout_scale.h"

namespace tk {

class Container;

enum class Align { alNone, alClient };

class Control {
 public:
  explicit Control(Container* parent = nullptr);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  std::string Name;

  Container* Parent() const { return parent_; }
  // The scale of its form's layout (toolkit/core/layout_scale.h).
  LayoutScale Scaling() const;
  void SetParent(Container* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }

  Align GetAlign() const { return align_; }
  void SetAlign(Align align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TColor Color() const { return color_.value; }
  void SetColor(TColor color);
  bool ParentColor() const { return color_.fromParent; }
  void SetParentColor(bool value);

  const FontRecord& Font() const { return font_.value; }
  void SetFont(const FontRecord& font);
  bool ParentFont() const { return font_.fromParent; }
  void SetParentFont(bool value);

  // Opaque controls paint every pixel of their rectangle.
  bool Opaque() const { return opaque_; }

  // Paints at once on the parent's surface, clipped to the control, without
  // erasing, when visible and the parent's window exists; otherwise the
  // picture comes with the parent's next paint.
  void Repaint();
  // Asks the parent to repaint the control's area later.
  void Invalidate();

  // Draws the control; the DC's origin is the control's top-left corner.
  virtual void Paint(HDC dc) = 0;
  // Whether Paint draws anything now. The parent leaves the previous pixels
  // of an opaque control without a picture untouched.
  virtual bool HasPicture() const { return true; }

  // Mouse, routed by the parent (coordinates relative to the control).
  virtual void MouseDown(int /*x*/, int /*y*/) {}
  virtual void MouseUp(int /*x*/, int /*y*/) {}
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void Click() {}
  virtual HCURSOR Cursor() const { return nullptr; }
  // The system's settings changed (WM_SETTINGCHANGE reached the parent).
  virtual void SettingsChanged() {}

  // The parent's colour or font changed; follow it when told to.
  void ParentColorChanged();
  void ParentFontChanged();

 protected:
  void SetOpaque(bool value) { opaque_ = value; }
  // The parent's window exists and is on the screen (with all its parents).
  bool SurfaceShown() const;
  virtual void Resized() {}
  // After Visible changed.
  virtual void VisibleChanged() {}

 private:
  // A value that follows the parent's while fromParent, until the control's
  // own is set. Each call answers whether the value changed.
  template <typename T>
  struct Inherited {
    T value;
    bool fromParent = true;
    bool Set(const T& v) {
      fromParent = false;
      return Assign(v);
    }
    bool Follow(const T& parentValue) { return fromParent && Assign(parentValue); }
    bool Assign(const T& v) {
      if (v == value) return false;
      value = v;
      return true;
    }
  };

  Container* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  Align align_ = Align::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  Inherited<TColor> color_{clBtnFace};
  Inherited<FontRecord> font_;
  bool opaque_ = false;
};

}  // namespace tk
