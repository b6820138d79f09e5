#include "toolkit/lists.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/text.h"
#include "toolkit/window_text.h"

namespace tk {

TComboBox::TComboBox(const ParentSite& site, ComboStyle style) : style_(style) {
  CreateNative(site, L"COMBOBOX",
               (style == ComboStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN) | CBS_AUTOHSCROLL |
                   WS_VSCROLL | WS_TABSTOP);
  PlaceAfterStoredProperties();
  SetBounds(0, 0, 145, 21);
}

void TComboBox::SetStyle(ComboStyle style) {
  if (style == style_) return;
  style_ = style;
  // A combo box's kind is fixed when it is made: change it before items exist.
  LONG_PTR s = GetWindowLongPtrW(Handle(), GWL_STYLE);
  s &= ~static_cast<LONG_PTR>(CBS_DROPDOWN | CBS_DROPDOWNLIST | CBS_SIMPLE);
  s |= style == ComboStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
  Recreate(static_cast<DWORD>(s));
}

void TComboBox::Recreate(DWORD style) {
  HWND old = Handle();
  HWND parent = GetParent(old);
  HWND fresh = CreateWindowExW(0, L"COMBOBOX", L"", style, Left(), Top(), Width(), Height(), parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId())), nullptr,
                               nullptr);
  if (!fresh) throw std::runtime_error("cannot create a combo box");
  ReplaceWindow(fresh);
  FillNative();
  ApplyBounds();
}

void TComboBox::SetItemHeight(int height) {
  SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
  SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, height);
}

void TComboBox::SetDropDownCount(int count) {
  dropDownCount_ = std::max(1, count);
  ApplyBounds();
}

void TComboBox::ApplyBounds() {
  // The window's height includes the dropped-down list.
  int item = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
  MoveWindow(Handle(), Left(), Top(), Width(), Height() + std::max(item, 1) * dropDownCount_ + 2, TRUE);
}

void TComboBox::AddItem(const std::string& text) {
  // Before the extra entry, which stays last.
  SendMessageW(Handle(), CB_INSERTSTRING, items_.size(), reinterpret_cast<LPARAM>(Widen(text).c_str()));
  items_.push_back(text);
}

void TComboBox::ClearItems() {
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  items_.clear();
  extra_.reset();
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
  ClearItems();
  for (const std::string& s : items) AddItem(s);
}

void TComboBox::FillNative() {
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  for (const std::string& s : items_)
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(s).c_str()));
  if (extra_) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(*extra_).c_str()));
}

void TComboBox::SetExtraItem(const std::string& text) {
  if (extra_) SendMessageW(Handle(), CB_DELETESTRING, items_.size(), 0);
  extra_ = text;
  SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
  SetItemIndex(ExtraItemIndex());
}

int TComboBox::ExtraItemIndex() const { return extra_ ? static_cast<int>(items_.size()) : -1; }

int TComboBox::ItemCount() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

std::string TComboBox::Item(int index) const {
  if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) return items_[static_cast<std::size_t>(index)];
  if (extra_ && index == ExtraItemIndex()) return *extra_;
  return {};
}

int TComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }

void TComboBox::SetItemIndex(int index) {
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  changed_ = false;
}

std::string TComboBox::Text() const {
  if (style_ == ComboStyle::csDropDownList) {
    int index = ItemIndex();
    return index < 0 ? std::string() : Item(index);
  }
  return WindowTextAnsi(Handle());
}

LRESULT TComboBox::Command(WORD code) {
  if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) changed_ = true;
  if (code == CBN_SELCHANGE) {
    if (OnSelect) OnSelect();
    if (OnChange) OnChange();
  } else if (code == CBN_EDITCHANGE && OnChange) {
    OnChange();
  }
  return 0;
}

}  // namespace tk
