#pragma once
// Native drop-down lists and track bars.

#include <functional>
#include <string>
#include <vector>

#include "toolkit/win_control.h"

namespace tk {

enum class ComboStyle { csDropDown, csDropDownList };

class TComboBox : public WinControl {
 public:
  explicit TComboBox(const ParentSite& site);
  void SetStyle(ComboStyle style);
  void SetItemHeight(int height);
  void SetDropDownCount(int count);
  void AddItem(const std::string& text);
  void ClearItems();
  void SetItems(const std::vector<std::string>& items);
  int ItemCount() const;
  std::string Item(int index) const;
  int ItemIndex() const;
  void SetItemIndex(int index);  // -1: nothing selected
  // The selected item's text; empty when nothing is selected.
  std::string Text() const;

  std::function<void()> OnSelect;
  std::function<void()> OnChange;
  LRESULT Command(WORD code) override;

 protected:
  void ApplyBounds() override;

 private:
  void Recreate(DWORD style);
  ComboStyle style_ = ComboStyle::csDropDown;
  int dropDownCount_ = 8;
};

enum class TrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public WinControl {
 public:
  explicit TTrackBar(const ParentSite& site);
  void SetOrientation(TrackBarOrientation orientation);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int value);
  void SetMax(int value);
  int Position() const;
  // Moves the thumb without raising OnChange.
  void SetPosition(int value);
  void SetFrequency(int value);
  // A margin between the component's bounds and the native track bar.
  void SetBorderWidth(int width);

  std::function<void()> OnChange;
  LRESULT Scroll(WORD code) override;

 protected:
  void ApplyBounds() override;

 private:
  int min_ = 0, max_ = 10;
  int border_ = 0;
  int last_ = 0;
};

}  // namespace tk
