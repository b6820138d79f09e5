#include "toolkit/edits.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "toolkit/container.h"

namespace tk {

namespace {
constexpr int kLabelSpacing = 3;
constexpr int kBevel = 2;
constexpr UINT_PTR kFrameSubclass = 1;
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

TCustomEdit::TCustomEdit(const ParentSite& site) {
  CreateNative(site, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

void TCustomEdit::SetMaxLength(int length) { SendMessageW(Handle(), EM_LIMITTEXT, std::max(0, length), 0); }

LRESULT TCustomEdit::Command(WORD code) {
  if (code != EN_CHANGE) return 0;
  text_.Changed();
  if (OnChange) OnChange();
  return 0;
}

HBRUSH TCustomEdit::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(Font().color));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

TEdit::TEdit(const ParentSite& site) : TCustomEdit(site) {
  SetWindowSubclass(Handle(), &TEdit::FrameProc, kFrameSubclass, reinterpret_cast<DWORD_PTR>(this));
  SetBounds(0, 0, 121, 21);
}

TEdit::~TEdit() { RemoveWindowSubclass(Handle(), &TEdit::FrameProc, kFrameSubclass); }

void TEdit::SetBevelKind(BevelKind kind) {
  bevel_ = kind;
  UpdateFrame();
}

void TEdit::SetBorder(bool single) {
  border_ = single;
  UpdateFrame();
}

void TEdit::UpdateFrame() {
  LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  ex = border_ ? (ex | WS_EX_CLIENTEDGE) : (ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex);
  FrameChanged();
}

LRESULT CALLBACK TEdit::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
  auto* self = reinterpret_cast<TEdit*>(data);
  bool bevelled = self->bevel_ != BevelKind::bkNone;
  if (message == WM_NCCALCSIZE && bevelled) {
    LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    auto* r = reinterpret_cast<RECT*>(lParam);  // first rectangle in both forms
    InflateRect(r, -kBevel, -kBevel);
    return result;
  }
  if (message == WM_NCPAINT && bevelled) {
    LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    HDC dc = GetWindowDC(hwnd);
    if (dc) {
      RECT r{};
      GetWindowRect(hwnd, &r);
      OffsetRect(&r, -r.left, -r.top);
      if (self->border_) InflateRect(&r, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
      DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
      ReleaseDC(hwnd, dc);
    }
    return result;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

TLabeledEdit::TLabeledEdit(const ParentSite& site)
    : TEdit(site), label_(std::make_unique<TLabel>(&site.container)) {
  PlaceLabel();
}

void TLabeledEdit::PlaceLabel() {
  label_->SetBounds(Left(), Top() - label_->Height() - kLabelSpacing, label_->Width(),
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

TSpinEdit::TSpinEdit(const ParentSite& site) : TCustomEdit(site) {
  updown_ = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                            WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                                UDS_ARROWKEYS,
                            0, 0, 0, 0, site.container.Handle(), nullptr, nullptr, nullptr);
  SendMessageW(updown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
  UpdateRange();
  SetValue(0);
  SetBounds(0, 0, 121, 22);
}

TSpinEdit::~TSpinEdit() {
  if (updown_) DestroyWindow(updown_);
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
  SendMessageW(updown_, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
}

void TSpinEdit::ApplyBounds() {
  int arrows = std::min(Width(), GetSystemMetrics(SM_CXVSCROLL));
  MoveWindow(Handle(), Left(), Top(), Width() - arrows, Height(), TRUE);
  MoveWindow(updown_, Left() + Width() - arrows, Top(), arrows, Height(), TRUE);
}

void TSpinEdit::SetVisible(bool visible) {
  WinControl::SetVisible(visible);
  ShowWindow(updown_, visible ? SW_SHOWNA : SW_HIDE);
}

void TSpinEdit::SetEnabled(bool enabled) {
  WinControl::SetEnabled(enabled);
  EnableWindow(updown_, enabled);
}

}  // namespace tk
