#pragma once
// Native push buttons and check boxes.

#include <functional>
#include <string>

#include "toolkit/core/coded_text.h"
#include "toolkit/win_control.h"

namespace tk {

// Sets and reads a native window's text in the plug-in's ANSI strings.
void SetWindowTextAnsi(HWND hwnd, const std::string& text);
std::string WindowTextAnsi(HWND hwnd);
std::wstring WindowTextWide(HWND hwnd);

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

class TButton : public WinControl {
 public:
  explicit TButton(const ParentSite& site);
  std::string Caption() const { return caption_.Get(Handle()).bytes; }
  void SetCaption(const std::string& caption) { SetCaption(CodedText{caption, kAnsiCodePage}); }
  void SetCaption(const CodedText& caption) { caption_.Set(Handle(), caption); }
  CodedText CaptionText() const { return caption_.Get(Handle()); }
  // Enter presses the first default button of the form.
  void SetDefault(bool value);
  bool Default() const { return default_; }
  // Esc presses the first cancel button of the form.
  void SetCancel(bool value);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }

  std::function<void()> OnClick;
  // As a click by the user: the form takes the modal result, then OnClick runs.
  void Click();
  LRESULT Command(WORD code) override;

 private:
  WindowCaption caption_;
  bool default_ = false;
  int modalResult_ = 0;
};

class TCheckBox : public WinControl {
 public:
  explicit TCheckBox(const ParentSite& site);
  std::string Caption() const { return caption_.Get(Handle()).bytes; }
  void SetCaption(const std::string& caption) { SetCaption(CodedText{caption, kAnsiCodePage}); }
  void SetCaption(const CodedText& caption) { caption_.Set(Handle(), caption); }
  CodedText CaptionText() const { return caption_.Get(Handle()); }
  bool Checked() const;
  // Changes the box without raising OnClick; not a change by the author.
  void SetChecked(bool value);
  // True once the author clicked the box (BN_CLICKED: mouse, space, BM_CLICK)
  // since the program last set it.
  bool ChangedByAuthor() const { return changed_; }

  std::function<void()> OnClick;
  LRESULT Command(WORD code) override;

 private:
  WindowCaption caption_;
  bool changed_ = false;
};

}  // namespace tk
