#pragma once
// Native drop-down lists.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/win_control.h"

namespace tk {

enum class ComboStyle { csDropDown, csDropDownList };

class TComboBox : public WinControl {
 public:
  explicit TComboBox(const ParentSite& site, ComboStyle style = ComboStyle::csDropDown);
  void SetStyle(ComboStyle style);
  void SetItemHeight(int height);
  void SetDropDownCount(int count);
  // Items are bytes in the ANSI code page; read back exactly as added.
  void AddItem(const std::string& text);
  void ClearItems();
  void SetItems(const std::vector<std::string>& items);
  // Items shown, the extra entry included.
  int ItemCount() const;
  std::string Item(int index) const;
  int ItemIndex() const;
  // -1: nothing selected. Not a change by the author.
  void SetItemIndex(int index);
  // A stored text that matches no item, shown as one more entry after the
  // items and selected (it replaces an earlier one). Not a change by the
  // author; it stays in the list when the author picks another item.
  void SetExtraItem(const std::string& text);
  // The extra entry's index; -1 when there is none.
  int ExtraItemIndex() const;
  // The selected entry's bytes (the extra one's too); empty when nothing is
  // selected. An editable box gives its text.
  std::string Text() const;
  // True once the author picked an entry (CBN_SELCHANGE) or edited the text
  // since the program last set the selection.
  bool ChangedByAuthor() const { return changed_; }

  std::function<void()> OnSelect;
  std::function<void()> OnChange;
  LRESULT Command(WORD code) override;

 protected:
  void ApplyBounds() override;

 private:
  void Recreate(DWORD style);
  void FillNative();
  std::vector<std::string> items_;
  std::optional<std::string> extra_;
  bool changed_ = false;
  ComboStyle style_ = ComboStyle::csDropDown;
  int dropDownCount_ = 8;
};

}  // namespace tk
