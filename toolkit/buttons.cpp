#include "toolkit/buttons.h"

#include "toolkit/form.h"

namespace tk {

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
