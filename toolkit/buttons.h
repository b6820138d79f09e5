#pragma once
// Native push buttons and check boxes.

#include <functional>
#include <string>

#include "toolkit/core/coded_text.h"
#include "toolkit/win_control.h"
#include "toolkit/window_text.h"

namespace tk {

// What push buttons and check boxes share: a caption in a code page.
class TButtonControl : public WinControl {
 public:
  std::string Caption() const { return caption_.Get(Handle()).bytes; }
  void SetCaption(const std::string& caption) { SetCaption(CodedText{caption, kAnsiCodePage}); }
  void SetCaption(const CodedText& caption) { caption_.Set(Handle(), caption); }
  CodedText CaptionText() const { return caption_.Get(Handle()); }

 private:
  WindowCaption caption_;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(const ParentSite& site);
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

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(const ParentSite& site);
  bool Checked() const;
  // Changes the box without raising OnClick; not a change by the author.
  void SetChecked(bool value);
  // True once the author clicked the box (BN_CLICKED: mouse, space, BM_CLICK)
  // since the program last set it.
  bool ChangedByAuthor() const { return changed_; }

  std::function<void()> OnClick;
  LRESULT Command(WORD code) override;

 private:
  bool changed_ = false;
};

}  // namespace tk
