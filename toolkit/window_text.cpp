#include "toolkit/window_text.h"

#include "toolkit/text.h"

namespace tk {

std::wstring WindowTextWide(HWND hwnd) {
  if (!hwnd) return {};
  int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  n = GetWindowTextW(hwnd, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

std::string WindowTextAnsi(HWND hwnd) { return Narrow(WindowTextWide(hwnd)); }

void WindowCaption::Set(HWND hwnd, const CodedText& text) {
  text_ = text;
  if (hwnd) SetWindowTextW(hwnd, Widen(text).c_str());
}

CodedText WindowCaption::Get(HWND hwnd) const {
  if (!hwnd) return text_;
  std::wstring shown = WindowTextWide(hwnd);
  if (shown == Widen(text_)) return text_;
  return CodedText{Narrow(shown), kAnsiCodePage};
}

}  // namespace tk
