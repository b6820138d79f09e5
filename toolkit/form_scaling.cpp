// A form that follows the screen's resolution: bounds its code gives, and a
// new layout when the form moves to a monitor of another resolution.
#include <array>
#include <string_view>

#include "toolkit/form.h"

namespace tk {

namespace {

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::string_view n : names)
    if (n == name) return true;
  return false;
}

}  // namespace

RECT TForm::ScaledBounds(int left, int top, int width, int height) const {
  const int x = scaling_.Length(left), y = scaling_.Length(top);
  return RECT{x, y, x + scaling_.Extent(left, width), y + scaling_.Extent(top, height)};
}

void TForm::ApplyScaledLayout(const form::ObjectNode& scaled) {
  const HandlerTable noHandlers;
  LoadContext context(*this, noHandlers);
  const auto apply = [&](const auto& names) {
    form::ForEachObject(scaled, [&](const form::ObjectNode& node) {
      auto found = byName_.find(node.name);
      if (&node == &scaled || found == byName_.end()) return;
      for (const form::Property& p : node.properties)
        if (Among(names, p.name)) found->second->SetProperty(p, context);
    });
  };
  // Places first, then fonts, so that what measures its text measures it
  // last, in its new font.
  apply(form::kScaledPlace);
  apply(form::kScaledLengths);
  apply(form::kScaledFaces);
  if (auto clientWidth = scaled.FindInteger("ClientWidth")) clientWidth_ = *clientWidth;
  if (auto clientHeight = scaled.FindInteger("ClientHeight")) clientHeight_ = *clientHeight;
  FontRecord font = Font();
  if (auto height = scaled.FindInteger("Font.Height")) font.height = *height;
  if (const form::Property* name = scaled.Find("Font.Name")) font.name = name->value.AsString();
  SetFont(font);
  for (const auto& c : components_) c->Rescaled();
}

LRESULT TForm::OnDpiChanged(WPARAM wParam, const RECT& suggested) {
  const LayoutScale next(HIWORD(wParam));
  if (next != scaling_) {
    scaling_ = next;
    form::ObjectNode scaled = design_;
    form::ScaleLayout(scaled, scaling_);
    ApplyScaledLayout(scaled);
    ScalingChanged();
  }
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, TRUE);
  return 0;
}

}  // namespace tk
