#include "toolkit/lists.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "toolkit/buttons.h"
#include "toolkit/text.h"

namespace tk {

TComboBox::TComboBox(const ParentSite& site) {
  CreateNative(site, L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP);
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
  SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void TComboBox::ClearItems() { SendMessageW(Handle(), CB_RESETCONTENT, 0, 0); }

void TComboBox::SetItems(const std::vector<std::string>& items) {
  ClearItems();
  for (const std::string& s : items) AddItem(s);
}

int TComboBox::ItemCount() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

std::string TComboBox::Item(int index) const {
  LRESULT n = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (n == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  n = SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(n == CB_ERR ? 0 : static_cast<std::size_t>(n));
  return Narrow(text);
}

int TComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }

void TComboBox::SetItemIndex(int index) { SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::string TComboBox::Text() const {
  if (style_ == ComboStyle::csDropDownList) {
    int index = ItemIndex();
    return index < 0 ? std::string() : Item(index);
  }
  return WindowTextAnsi(Handle());
}

LRESULT TComboBox::Command(WORD code) {
  if (code == CBN_SELCHANGE) {
    if (OnSelect) OnSelect();
    if (OnChange) OnChange();
  } else if (code == CBN_EDITCHANGE && OnChange) {
    OnChange();
  }
  return 0;
}

TTrackBar::TTrackBar(const ParentSite& site) {
  CreateNative(site, TRACKBAR_CLASSW, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP);
  SetMin(0);
  SetMax(10);
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::SetOrientation(TrackBarOrientation orientation) {
  LONG_PTR s = GetWindowLongPtrW(Handle(), GWL_STYLE);
  s &= ~static_cast<LONG_PTR>(TBS_VERT | TBS_HORZ);
  s |= orientation == TrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
  SetWindowLongPtrW(Handle(), GWL_STYLE, s);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TTrackBar::SetMin(int value) {
  min_ = value;
  SendMessageW(Handle(), TBM_SETRANGEMIN, TRUE, value);
}

void TTrackBar::SetMax(int value) {
  max_ = value;
  SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, value);
}

int TTrackBar::Position() const { return static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)); }

void TTrackBar::SetPosition(int value) {
  SendMessageW(Handle(), TBM_SETPOS, TRUE, value);
  last_ = Position();
}

void TTrackBar::SetFrequency(int value) { SendMessageW(Handle(), TBM_SETTICFREQ, value, 0); }

void TTrackBar::SetBorderWidth(int width) {
  border_ = std::max(0, width);
  ApplyBounds();
}

void TTrackBar::ApplyBounds() {
  MoveWindow(Handle(), Left() + border_, Top() + border_, std::max(0, Width() - 2 * border_),
             std::max(0, Height() - 2 * border_), TRUE);
}

LRESULT TTrackBar::Scroll(WORD) {
  int now = Position();
  if (now != last_) {
    last_ = now;
    if (OnChange) OnChange();
  }
  return 0;
}

}  // namespace tk
