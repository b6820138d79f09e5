#include "toolkit/edits.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "toolkit/container.h"
#include "toolkit/contrast.h"

namespace tk {

namespace {
constexpr int kLabelSpacing = 3;
constexpr int kBevel = 2;
}  // namespace

void KeptText::Set(HWND hwnd, const std::string& bytes) {
  changed_ = false;
  setting_ = true;
  shown_.Set(hwnd, CodedText{bytes, kAnsiCodePage});
  setting_ = false;
}

void KeptText::Changed() {
  if (!setting_) changed_ = true;
}

TCustomEdit::TCustomEdit(const ParentSite& site, DWORD exStyle, int insetRight, MessageFilter fromCreation) {
  CreateNative(site, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, exStyle, insetRight, std::move(fromCreation));
}

void TCustomEdit::SetMaxLength(int length) { SendMessageW(Handle(), EM_LIMITTEXT, std::max(0, length), 0); }

LRESULT TCustomEdit::Command(WORD code) {
  if (code != EN_CHANGE) return 0;
  text_.Changed();
  if (OnChange) OnChange();
  return 0;
}

HBRUSH TCustomEdit::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(DrawnColor(Font().color, ColorRole::WindowText)));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

const std::vector<std::pair<std::string, BevelKind>>& BevelKindNames() {
  static const std::vector<std::pair<std::string, BevelKind>> names = {
      {"bkNone", BevelKind::bkNone}, {"bkTile", BevelKind::bkTile},
      {"bkSoft", BevelKind::bkSoft}, {"bkFlat", BevelKind::bkFlat}};
  return names;
}

namespace {
EditFrame StoredFrame(const ParentSite& site) {
  EditFrame frame;
  frame.border = StoredIdentifier(site, "BorderStyle") != "bsNone";
  const std::string bevel = StoredIdentifier(site, "BevelKind");
  for (const auto& [name, kind] : BevelKindNames())
    if (name == bevel) frame.bevel = kind;
  return frame;
}
}  // namespace

// The window is made with its stored frame, the filter that draws the bevel
// already in front of it: no frame change follows.
TEdit::TEdit(const ParentSite& site)
    : EditFrame(StoredFrame(site)),
      TCustomEdit(site, border ? WS_EX_CLIENTEDGE : 0, 0,
                  [this](UINT m, WPARAM w, LPARAM l, const Next& next) { return FrameFilter(m, w, l, next); }) {
  SetBounds(0, 0, 121, 21);
}

void TEdit::SetBevelKind(BevelKind kind) {
  if (kind == bevel) return;
  bevel = kind;
  UpdateFrame();
}

void TEdit::SetBorder(bool single) {
  if (single == border) return;
  border = single;
  UpdateFrame();
}

void TEdit::UpdateFrame() {
  LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  ex = border ? (ex | WS_EX_CLIENTEDGE) : (ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex);
  FrameChanged();
}

LRESULT TEdit::FrameFilter(UINT message, WPARAM wParam, LPARAM lParam, const Next& next) {
  const HWND hwnd = Handle();
  bool bevelled = bevel != BevelKind::bkNone;
  if (message == WM_NCCALCSIZE && bevelled) {
    LRESULT result = next(message, wParam, lParam);
    auto* r = reinterpret_cast<RECT*>(lParam);  // first rectangle in both forms
    InflateRect(r, -kBevel, -kBevel);
    return result;
  }
  if (message == WM_NCPAINT && bevelled) {
    LRESULT result = next(message, wParam, lParam);
    const WindowDC dc(hwnd, true);
    if (dc.get()) {
      RECT r{};
      GetWindowRect(hwnd, &r);
      OffsetRect(&r, -r.left, -r.top);
      if (border) InflateRect(&r, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
      DrawEdge(dc.get(), &r, EDGE_ETCHED, BF_RECT);
    }
    return result;
  }
  return next(message, wParam, lParam);
}

TLabeledEdit::TLabeledEdit(const ParentSite& site)
    : TEdit(site), label_(std::make_unique<TLabel>(&site.container)) {
  PlaceLabel();
}

void TLabeledEdit::PlaceLabel() {
  const int spacing = label_->Scaling().Length(kLabelSpacing);
  label_->SetBounds(Left(), Top() - label_->Height() - spacing, label_->Width(),
                    label_->Height());
}

void TLabeledEdit::SetBounds(int left, int top, int width, int height) {
  TEdit::SetBounds(left, top, width, height);
  if (label_) PlaceLabel();
}

void TLabeledEdit::SetVisible(bool visible) {
  TEdit::SetVisible(visible);
  label_->SetVisible(visible);
}

void TLabeledEdit::SetEnabled(bool enabled) {
  TEdit::SetEnabled(enabled);
  label_->SetEnabled(enabled);
}

TSpinEdit::TSpinEdit(const ParentSite& site) : TSpinEdit(site, ArrowsWidth(PlacementOf(site))) {}

// arrows: their width beside the edit's window when made in place, else 0.
TSpinEdit::TSpinEdit(const ParentSite& site, int arrows) : TCustomEdit(site, WS_EX_CLIENTEDGE, arrows) {
  // The arrows are made in their place too, beside the edit's window.
  updown_.Reset(CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                WS_CHILD | (Visible() ? WS_VISIBLE : 0) | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                                    UDS_ARROWKEYS,
                                Left() + Width() - arrows, Top(), arrows, Height(), site.container.Handle(),
                                nullptr, nullptr, nullptr));
  SendMessageW(updown_.get(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
  if (arrows > 0) {
    // Taking its buddy, the arrows' window keeps a width of its own: it is
    // put back to the field's.
    RECT made{};
    GetWindowRect(updown_.get(), &made);
    if (made.right - made.left != arrows) MoveWindow(updown_.get(), Left() + Width() - arrows, Top(), arrows, Height(), FALSE);
  }
  UpdateRange();
  SetValue(0);
  SetBounds(0, 0, 121, 22);
}

TSpinEdit::~TSpinEdit() {
  // The edit's window destroyed by someone else (with its parent, as a
  // rule): the arrows' went too, or go with that parent.
  if (!Handle()) updown_.Release();
}

int TSpinEdit::Value() const {
  std::string text = Text();
  std::optional<std::int64_t> read;
  if (reader_) {
    read = reader_(text);
  } else {
    long long value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin != end && ec == std::errc() && ptr == end) read = value;
    else if (ec == std::errc::result_out_of_range && ptr == end) read = *begin == '-' ? INT64_MIN : INT64_MAX;
  }
  if (!read) return min_;
  return static_cast<int>(std::clamp<std::int64_t>(*read, min_, std::max(min_, max_)));
}

void TSpinEdit::SetValue(int value) {
  value = std::clamp(value, min_, std::max(min_, max_));
  SetText(std::to_string(value));
}

void TSpinEdit::SetMinValue(int value) {
  min_ = value;
  UpdateRange();
}

void TSpinEdit::SetMaxValue(int value) {
  max_ = value;
  UpdateRange();
}

void TSpinEdit::UpdateRange() {
  SendMessageW(updown_.get(), UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
}

int TSpinEdit::ArrowsWidth(const StoredPlacement& placement) {
  return placement.bounds ? std::min(static_cast<int>(placement.bounds->right), GetSystemMetrics(SM_CXVSCROLL)) : 0;
}

void TSpinEdit::ApplyBounds() {
  int arrows = std::min(Width(), GetSystemMetrics(SM_CXVSCROLL));
  MoveWindow(Handle(), Left(), Top(), Width() - arrows, Height(), TRUE);
  MoveWindow(updown_.get(), Left() + Width() - arrows, Top(), arrows, Height(), TRUE);
}

void TSpinEdit::SetVisible(bool visible) {
  WinControl::SetVisible(visible);
  const bool shown = (GetWindowLongPtrW(updown_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != visible) ShowWindow(updown_.get(), visible ? SW_SHOWNA : SW_HIDE);
}

void TSpinEdit::SetEnabled(bool enabled) {
  WinControl::SetEnabled(enabled);
  EnableWindow(updown_.get(), enabled);
}

}  // namespace tk
