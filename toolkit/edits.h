#pragma once
// Native edit boxes: an edit with its label above, and a spin box.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/handles.h"
#include "toolkit/label.h"
#include "toolkit/win_control.h"
#include "toolkit/window_text.h"

namespace tk {

enum class BevelKind { bkNone, bkTile, bkSoft, bkFlat };
// The stored names of the bevel kinds.
const std::vector<std::pair<std::string, BevelKind>>& BevelKindNames();

// The text of an edit window as the program last set it, kept as bytes (the
// host's, in the ANSI code page), and whether the author changed the field
// since: typing, or WM_SETTEXT from outside followed by EN_CHANGE. Read back,
// a text the window still shows as it was set gives exactly the bytes set,
// even bytes the code page cannot show.
class KeptText {
 public:
  void Set(HWND hwnd, const std::string& bytes);
  std::string Get(HWND hwnd) const { return shown_.Get(hwnd).bytes; }
  // EN_CHANGE: counts as the author's unless the program is setting the text.
  void Changed();
  bool ChangedByAuthor() const { return changed_; }

 private:
  WindowCaption shown_;
  bool setting_ = false;
  bool changed_ = false;
};

// Reads a whole number from a field's text; nullopt when unreadable.
using IntegerReader = std::function<std::optional<std::int64_t>(std::string_view)>;

// What edit boxes and spin boxes share: a native edit window whose text
// keeps the host's bytes, its length limit, its colours and OnChange.
class TCustomEdit : public WinControl {
 public:
  // exStyle: the window's frame; insetRight: room kept beside the edit's
  // window within the control's bounds (the spin box's arrows).
  // fromCreation: a message filter in front of the window from its first message.
  explicit TCustomEdit(const ParentSite& site, DWORD exStyle = WS_EX_CLIENTEDGE, int insetRight = 0,
                       MessageFilter fromCreation = {});
  // The text's bytes: as the program set them while the field shows them.
  std::string Text() const { return text_.Get(Handle()); }
  // Shows the text as it stands; not a change by the author.
  void SetText(const std::string& text) { text_.Set(Handle(), text); }
  // True once the author changed the text since the program last set it.
  bool ChangedByAuthor() const { return text_.ChangedByAuthor(); }
  void SetMaxLength(int length);

  std::function<void()> OnChange;
  LRESULT Command(WORD code) override;
  HBRUSH CtlColor(HDC dc) override;

 private:
  KeptText text_;
};

// The frame of an edit box, apart so that it exists before the edit's
// window is made: the window measures its frame as it is made.
struct EditFrame {
  BevelKind bevel = BevelKind::bkNone;
  bool border = true;
};

// An edit box; with BevelKind bkTile and no border it shows an etched
// two-pixel frame drawn in its non-client area. Made from a stored object,
// its window is made with its stored frame.
class TEdit : private EditFrame, public TCustomEdit {
 public:
  explicit TEdit(const ParentSite& site);
  void SetBevelKind(BevelKind kind);
  void SetBorder(bool single);
  BevelKind GetBevelKind() const { return bevel; }

 private:
  LRESULT FrameFilter(UINT message, WPARAM wParam, LPARAM lParam, const Next& next);
  void UpdateFrame();
};

// An edit whose caption is a label standing above it on the same surface.
class TLabeledEdit : public TEdit {
 public:
  explicit TLabeledEdit(const ParentSite& site);
  TLabel& EditLabel() { return *label_; }
  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  // Places the label above the edit (after its caption or font changed).
  void PlaceLabel();
  void Loaded() override { label_->AdjustSize(); PlaceLabel(); }
  void Rescaled() { Loaded(); }

 private:
  std::unique_ptr<TLabel> label_;
};

// An edit with up and down arrows holding a whole number in a range.
class TSpinEdit : public TCustomEdit {
 public:
  explicit TSpinEdit(const ParentSite& site);
  ~TSpinEdit() override;
  // The text read as a whole number (by the reader, else plain decimal
  // digits with an optional sign), clamped into the range; MinValue when
  // the text cannot be read.
  int Value() const;
  // Shows the value in decimal, clamped into the range; not a change by the
  // author.
  void SetValue(int value);
  void SetIntegerReader(IntegerReader reader) { reader_ = std::move(reader); }
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  void SetMinValue(int value);
  void SetMaxValue(int value);

  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;

 protected:
  void ApplyBounds() override;

 private:
  TSpinEdit(const ParentSite& site, int arrows);
  // The arrows' width for a spin box of these stored bounds (0 without).
  static int ArrowsWidth(const StoredPlacement& placement);
  void UpdateRange();
  IntegerReader reader_;
  OwnedWindow updown_;  // the arrows
  int min_ = 0, max_ = 0;
};

}  // namespace tk
