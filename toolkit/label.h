#pragma once
// TLabel: windowless text on its parent's surface.

#include <functional>
#include <string>

#include "toolkit/control.h"
#include "toolkit/font_handle.h"

namespace tk {

class TLabel : public Control {
 public:
  explicit TLabel(Container* parent = nullptr);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
  // Font changes do not resize by themselves: call after changing the font.
  void AdjustSize();

  std::function<void()> OnClick;

  void Paint(HDC dc) override;
  void Click() override;
  HCURSOR Cursor() const override { return cursor_; }
  void Loaded() { AdjustSize(); }

 protected:
  UINT TextFormat() const;

 private:
  std::string caption_;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  HCURSOR cursor_ = nullptr;
  FontCache fonts_;
};

}  // namespace tk
