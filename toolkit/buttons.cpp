#include "toolkit/buttons.h"

#include "toolkit/form.h"
#include "toolkit/text.h"

namespace tk {

void SetWindowTextAnsi(HWND hwnd, const std::string& text) {
  if (hwnd) SetWindowTextW(hwnd, Widen(text).c_str());
}

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

TButton::TButton(const ParentSite& site) {
  CreateNative(site, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP);
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value) {
  default_ = value;
  SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  if (value) Form()->RegisterDefaultButton(ControlId());
}

void TButton::SetCancel(bool value) {
  if (value) Form()->RegisterCancelButton(ControlId());
}

void TButton::Click() {
  if (modalResult_ != 0) Form()->SetModalResult(modalResult_);
  if (OnClick) OnClick();
}

LRESULT TButton::Command(WORD code) {
  if (code == BN_CLICKED) Click();
  return 0;
}

TCheckBox::TCheckBox(const ParentSite& site) {
  CreateNative(site, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP);
  SetBounds(0, 0, 97, 17);
}

bool TCheckBox::Checked() const {
  return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool value) {
  SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  changed_ = false;
}

LRESULT TCheckBox::Command(WORD code) {
  if (code != BN_CLICKED) return 0;
  changed_ = true;
  if (OnClick) OnClick();
  return 0;
}

}  // namespace tk
