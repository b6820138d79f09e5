#pragma once
// A window that carries windowless controls: it owns their painting order,
// hit-testing, hover and capture, and composes the invalid part of its
// picture in the process's paint buffer.

#include <windows.h>

#include <vector>

#include "toolkit/control.h"
#include "toolkit/core/layout_scale.h"
#include "toolkit/window.h"

namespace tk {

class Container : public Window {
 public:
  Container();
  ~Container() override;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  const FontRecord& Font() const { return font_; }
  void SetFont(const FontRecord& font);

  const std::vector<Control*>& Controls() const { return controls_; }
  void InsertControl(Control* control);
  void RemoveControl(Control* control);

  // The scale of the layout of the form this surface belongs to; a surface
  // of no form keeps the design's pixels.
  virtual LayoutScale Scaling() const;

  int ClientWidth() const;
  int ClientHeight() const;
  // Re-applies alClient alignment after a size change.
  void Realign();

  // Draws the window's background and its windowless controls into dc, with
  // the client area's top-left corner at dc's origin, within dc's clip box;
  // what lies beneath an opaque control covering all of it is not drawn.
  void PaintTo(HDC dc);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Background of the client area; a form fills it with its colour.
  virtual void PaintBackground(HDC dc, const RECT& client);

 private:
  LRESULT OnPaint();
  LRESULT OnPrintClient(HDC dc);
  LRESULT OnSize();
  LRESULT OnMouse(UINT message, LPARAM lParam);
  LRESULT OnMouseLeave();
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  // WM_SETTINGCHANGE and WM_SYSCOLORCHANGE.
  LRESULT OnSettingChange(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
  Control* ControlAt(int x, int y) const;
  // Keeps the areas of opaque controls without a picture out of dc's clip.
  void ExcludeKeptAreas(HDC dc) const;

  std::vector<Control*> controls_;
  TColor color_ = clBtnFace;
  FontRecord font_;
  Control* hover_ = nullptr;
  Control* captured_ = nullptr;
  bool trackingLeave_ = false;
};

}  // namespace tk
