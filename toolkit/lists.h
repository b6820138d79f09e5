#pragma once
// Native drop-down lists and track bars.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/win_control.h"

namespace tk {

class Container;

enum class ComboStyle { csDropDown, csDropDownList };

class TComboBox : public WinControl {
 public:
  explicit TComboBox(const ParentSite& site);
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

enum class TrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public WinControl {
 public:
  explicit TTrackBar(const ParentSite& site);
  ~TTrackBar() override;
  void SetOrientation(TrackBarOrientation orientation);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int value);
  void SetMax(int value);
  int Position() const;
  // Moves the thumb without raising OnChange.
  void SetPosition(int value);
  void SetFrequency(int value);
  // A border of that many pixels around the native track bar, inside the
  // component's bounds, in the colour of the surface that carries it.
  void SetBorderWidth(int width);

  std::function<void()> OnChange;
  LRESULT Scroll(WORD code) override;

 private:
  static LRESULT CALLBACK BorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
  void PaintBorder(HDC dc);
  Container& surface_;
  int min_ = 0, max_ = 10;
  int border_ = 0;
  int last_ = 0;
};

}  // namespace tk
