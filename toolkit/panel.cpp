#include "toolkit/panel.h"

#include "toolkit/contrast.h"
#include "toolkit/form.h"
#include "toolkit/text.h"

namespace tk {

namespace {
UINT EdgeOf(PanelBevel bevel, bool outer) {
  if (bevel == PanelBevel::bvRaised) return outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
  if (bevel == PanelBevel::bvLowered) return outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
  return 0;
}
}  // namespace

LayoutScale PanelSurface::Scaling() const { return form_ ? form_->Scaling() : LayoutScale{}; }

void PanelSurface::Create(HWND parent, int id, const StoredPlacement& placement) {
  const RECT b = placement.bounds.value_or(RECT{});
  if (!CreateHandle(WS_EX_CONTROLPARENT,
                    WS_CHILD | (placement.visible ? WS_VISIBLE : 0) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, parent,
                    b.left, b.top, b.right, b.bottom))
    throw std::runtime_error("cannot create a panel window");
  if (id != 0) SetWindowLongPtrW(Handle(), GWLP_ID, id);  // made with none
}

LRESULT PanelSurface::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (form_) {
    if (auto result = ReflectToControl(*form_, message, wParam, lParam)) return *result;
  }
  return Container::HandleMessage(message, wParam, lParam);
}

void PanelSurface::PaintBackground(HDC dc, const RECT& client) {
  Container::PaintBackground(dc, client);
  RECT r = client;
  if (UINT edge = EdgeOf(outer, true)) {
    DrawEdge(dc, &r, edge, BF_RECT | BF_ADJUST);
  }
  if (UINT edge = EdgeOf(inner, false)) {
    DrawEdge(dc, &r, edge, BF_RECT | BF_ADJUST);
  }
  if (!caption.bytes.empty()) {
    SelectObjectGuard font(dc, captionFont_.Get(Font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(DrawnColor(Font().color, ColorRole::FaceText)));
    std::wstring text = Widen(caption);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

TPanel::TPanel(const ParentSite& site) {
  surface_.SetForm(&site.form);
  surface_.SetColor(site.container.Color());
  surface_.SetFont(site.container.Font());
  surface_.Create(site.container.Handle(), 0, PlacementOf(site));
  AdoptWindow(site, surface_.Handle());
  SetBounds(0, 0, 185, 41);
}

TPanel::~TPanel() = default;

void TPanel::SetBevelOuter(PanelBevel bevel) {
  surface_.outer = bevel;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TPanel::SetBevelInner(PanelBevel bevel) {
  surface_.inner = bevel;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TPanel::SetCaption(const std::string& caption) { SetCaption(CodedText{caption, kAnsiCodePage}); }

void TPanel::SetCaption(const CodedText& caption) {
  surface_.caption = caption;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TPanel::SetColor(TColor color) {
  WinControl::SetColor(color);
  surface_.SetColor(color);
}

void TPanel::SetFont(const FontRecord& font) {
  WinControl::SetFont(font);
  surface_.SetFont(font);
}

}  // namespace tk
