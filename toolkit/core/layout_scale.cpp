#include "toolkit/core/layout_scale.h"

#include <array>
#include <string_view>

#include "toolkit/core/font.h"

namespace tk {

namespace {
constexpr int kThinLine = 2;
}

int LayoutScale::Length(int designPixels) const {
  if (IsIdentity()) return designPixels;
  return MulDivRounded(designPixels, dpi_, kDesignDpi);
}

int LayoutScale::Extent(int start, int length) const {
  if (IsIdentity() || (length >= 0 && length <= kThinLine)) return length;
  return Length(start + length) - Length(start);
}

namespace form {
namespace {

constexpr std::string_view kBitmapFace = "MS Sans Serif";
constexpr std::string_view kOutlineTwin = "Microsoft Sans Serif";

// Every written occurrence gets the value that counts, so the last still counts.
void Rewrite(ObjectNode& node, std::string_view name, int value) {
  for (Property& p : node.properties)
    if (p.name == name && p.value.kind == Value::Kind::Integer) p.value.integer = value;
}

void ScaleLengths(ObjectNode& node, const LayoutScale& scale) {
  for (std::string_view name : kScaledLengths)
    if (auto v = node.FindInteger(name)) Rewrite(node, name, scale.Length(*v));
  for (Property& p : node.properties)
    for (std::string_view name : kScaledFaces)
      if (p.name == name && p.value.kind == Value::Kind::String && p.value.text == kBitmapFace)
        p.value.text = kOutlineTwin;
}

struct Origin {
  int designX = 0, designY = 0;  // the parent surface's corner in the form's design pixels
  int scaledX = 0, scaledY = 0;  // and in the scaled layout
};

// One axis of a component: its start relative to the parent, its size.
void ScaleAxis(ObjectNode& node, const LayoutScale& scale, std::string_view startName, std::string_view sizeName,
               int designOrigin, int scaledOrigin, int& designStart, int& scaledStart) {
  const std::optional<int> start = node.FindInteger(startName);
  designStart = designOrigin + start.value_or(0);
  scaledStart = scale.Length(designStart);
  if (start) Rewrite(node, startName, scaledStart - scaledOrigin);
  if (const std::optional<int> size = node.FindInteger(sizeName))
    Rewrite(node, sizeName, scale.Extent(designStart, *size));
}

void ScaleComponents(ObjectNode& parent, const LayoutScale& scale, const Origin& origin) {
  for (ObjectNode& child : parent.children) {
    ScaleLengths(child, scale);
    Origin inner;
    const auto [left, top, width, height] = kScaledPlace;
    ScaleAxis(child, scale, left, width, origin.designX, origin.scaledX, inner.designX, inner.scaledX);
    ScaleAxis(child, scale, top, height, origin.designY, origin.scaledY, inner.designY, inner.scaledY);
    ScaleComponents(child, scale, inner);
  }
}

}  // namespace

void ScaleLayout(ObjectNode& root, const LayoutScale& scale) {
  if (scale.IsIdentity()) return;
  ScaleLengths(root, scale);
  for (std::string_view name : {"ClientWidth", "ClientHeight", "Left", "Top"})
    if (auto v = root.FindInteger(name)) Rewrite(root, name, scale.Length(*v));
  ScaleComponents(root, scale, Origin{});
}

}  // namespace form
}  // namespace tk
