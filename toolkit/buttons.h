#pragma once
// Native push buttons and check boxes.

#include <functional>
#include <string>

#include "toolkit/win_control.h"

namespace tk {

// Sets and reads a native window's text in the plug-in's ANSI strings.
void SetWindowTextAnsi(HWND hwnd, const std::string& text);
std::string WindowTextAnsi(HWND hwnd);

class TButton : public WinControl {
 public:
  explicit TButton(const ParentSite& site);
  std::string Caption() const { return WindowTextAnsi(Handle()); }
  void SetCaption(const std::string& caption) { SetWindowTextAnsi(Handle(), caption); }
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
  bool default_ = false;
  int modalResult_ = 0;
};

class TCheckBox : public WinControl {
 public:
  explicit TCheckBox(const ParentSite& site);
  std::string Caption() const { return WindowTextAnsi(Handle()); }
  void SetCaption(const std::string& caption) { SetWindowTextAnsi(Handle(), caption); }
  bool Checked() const;
  // Changes the box without raising OnClick.
  void SetChecked(bool value);

  std::function<void()> OnClick;
  LRESULT Command(WORD code) override;
};

}  // namespace tk
