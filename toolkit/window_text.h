#pragma once
// A native window's text read and set in the plug-in's byte strings.

#include <windows.h>

#include <string>

#include "toolkit/core/coded_text.h"

namespace tk {

// The window's text; empty for no window.
std::wstring WindowTextWide(HWND hwnd);
// The same in the system's ANSI code page.
std::string WindowTextAnsi(HWND hwnd);

// A native window's caption set as bytes in a code page and shown through
// the wide-character API. Read back, it gives those bytes and their code
// page, unless the window's text was changed from outside since (then the
// text in the ANSI code page).
class WindowCaption {
 public:
  void Set(HWND hwnd, const CodedText& text);
  CodedText Get(HWND hwnd) const;

 private:
  CodedText text_;
};

}  // namespace tk
