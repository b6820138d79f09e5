#pragma once
// Native edit boxes: an edit with its label above, and a spin box.

#include <functional>
#include <memory>
#include <string>

#include "toolkit/label.h"
#include "toolkit/win_control.h"

namespace tk {

enum class BevelKind { bkNone, bkTile, bkSoft, bkFlat };

// An edit box; with BevelKind bkTile and no border it shows an etched
// two-pixel frame drawn in its non-client area.
class TEdit : public WinControl {
 public:
  explicit TEdit(const ParentSite& site);
  ~TEdit() override;
  std::string Text() const;
  void SetText(const std::string& text);
  void SetMaxLength(int length);
  void SetBevelKind(BevelKind kind);
  void SetBorder(bool single);
  BevelKind GetBevelKind() const { return bevel_; }

  std::function<void()> OnChange;
  LRESULT Command(WORD code) override;
  HBRUSH CtlColor(HDC dc) override;

 private:
  static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data);
  void UpdateFrame();
  BevelKind bevel_ = BevelKind::bkNone;
  bool border_ = true;
};

// An edit whose caption is a label standing above it on the same surface.
class TLabeledEdit : public TEdit {
 public:
  explicit TLabeledEdit(const ParentSite& site);
  TLabel& EditLabel() { return *label_; }
  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  // Places the label above the edit (after its caption or font changed).
  void PlaceLabel();
  void Loaded() { label_->AdjustSize(); PlaceLabel(); }

 private:
  std::unique_ptr<TLabel> label_;
};

// An edit with up and down arrows holding a whole number in a range.
class TSpinEdit : public WinControl {
 public:
  explicit TSpinEdit(const ParentSite& site);
  ~TSpinEdit() override;
  // The number shown, clamped into the range; text that is no whole number
  // reads as MinValue.
  int Value() const;
  void SetValue(int value);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  void SetMinValue(int value);
  void SetMaxValue(int value);
  void SetMaxLength(int length);
  std::string Text() const;

  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  HBRUSH CtlColor(HDC dc) override;
  std::function<void()> OnChange;
  LRESULT Command(WORD code) override;

 protected:
  void ApplyBounds() override;

 private:
  void UpdateRange();
  HWND updown_ = nullptr;
  int min_ = 0, max_ = 0;
};

}  // namespace tk
