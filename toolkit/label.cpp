#include "toolkit/label.h"

#include "toolkit/contrast.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/text.h"

namespace tk {

TLabel::TLabel(Container* parent) : Control(parent) {}

void TLabel::SetCaption(const std::string& caption) { SetCaption(CodedText{caption, kAnsiCodePage}); }

void TLabel::SetCaption(const CodedText& caption) {
  if (caption.bytes == caption_ && caption.codePage == codePage_) return;
  caption_ = caption.bytes;
  codePage_ = caption.codePage;
  AdjustSize();
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustSize();
}

void TLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustSize();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

UINT TLabel::TextFormat() const {
  // Texts show as they are: an ampersand is not an accelerator prefix.
  return DT_NOPREFIX | DT_LEFT | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
}

SIZE TLabel::TextSize() {
  // Measured on the process's kept memory DC, of the screen's kind: no
  // screen DC is asked of the window system per caption.
  HDC screen = PaintBuffer::Shared().dc();
  SelectObjectGuard font(screen, fonts_.Get(Font()));
  std::wstring text = caption_.empty() ? std::wstring(L" ") : Widen(caption_, codePage_);
  RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
  DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &r, TextFormat() | DT_CALCRECT);
  if (caption_.empty()) r.right = 0;
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void TLabel::AdjustSize() {
  if (!autoSize_) return;
  const SIZE size = TextSize();
  SetBounds(Left(), Top(), wordWrap_ ? Width() : size.cx, size.cy);
}

void TLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!transparent_) FillSolid(dc, r, ColorToRGB(DrawnColor(Color(), ColorRole::Face)));
  SelectObjectGuard font(dc, fonts_.Get(Font()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Enabled() ? ColorToRGB(DrawnColor(Font().color, TextRole())) : GetSysColor(COLOR_GRAYTEXT));
  std::wstring text = Widen(caption_, codePage_);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat());
}

void TLabel::Click() {
  if (OnClick) OnClick();
}

}  // namespace tk
