#pragma once
// TLabel: windowless text on its parent's surface.

#include <functional>
#include <string>

#include "toolkit/contrast.h"
#include "toolkit/control.h"
#include "toolkit/core/coded_text.h"
#include "toolkit/font_handle.h"

namespace tk {

class TLabel : public Control {
 public:
  explicit TLabel(Container* parent = nullptr);

  // The caption's bytes; in the system's ANSI code page unless set with one.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // Bytes in a stated code page, drawn through the wide-character API.
  void SetCaption(const CodedText& caption);
  CodedText CaptionText() const { return {caption_, codePage_}; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
  // Font changes do not resize by themselves: call after changing the font.
  void AdjustSize();
  // The caption's size in the font that is really selected for it (a
  // missing face's stand-in included), laid out as the label draws it.
  SIZE TextSize();

  std::function<void()> OnClick;

  void Paint(HDC dc) override;
  void Click() override;
  HCURSOR Cursor() const override { return cursor_; }
  void Loaded() { AdjustSize(); }
  void Rescaled() { AdjustSize(); }

 protected:
  UINT TextFormat() const;
  // The system colour its text takes under a contrast theme.
  virtual ColorRole TextRole() const { return ColorRole::FaceText; }

 private:
  std::string caption_;
  unsigned codePage_ = kAnsiCodePage;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  HCURSOR cursor_ = nullptr;
  FontCache fonts_;
};

}  // namespace tk
