#include "gauge/GaugeText.h"

#include <algorithm>
#include <string>
#include <utility>

#include "toolkit/contrast.h"
#include "toolkit/paint_buffer.h"

namespace gauges {

namespace {

// The text's own surface, apart from the shared paint buffer: the gauge may
// be composed on that one.
tk::PaintBuffer& TextScratch() {
  static tk::PaintBuffer scratch;
  return scratch;
}

}  // namespace

GaugeFonts& GaugeFonts::Shared() {
  static GaugeFonts fonts;
  return fonts;
}

GaugeFonts::Kept GaugeFonts::Get(const tk::FontRecord& font, HDC dc) {
  tk::FontRecord key = font;
  key.color = tk::clBlack;  // the text's colour comes from the composition
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].key == key) {
      if (i > 0) std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(i),
                             entries_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      return entries_.front().kept;
    }
  }
  Entry entry{key, CreateFontFor(font), {}};
  if (!entry.font) return {};
  entry.kept.handle = entry.font.get();
  TEXTMETRICA metrics{};
  {
    tk::SelectObjectGuard selection(dc, entry.font.get());
    GetTextMetricsA(dc, &metrics);
  }
  entry.kept.reachX = metrics.tmMaxCharWidth + metrics.tmOverhang;
  // Underline and strike-out lines of very small fonts may sit outside the cell.
  entry.kept.reachY = metrics.tmHeight / 2 + 2;
  if (entries_.size() >= kKept) entries_.pop_back();
  entries_.insert(entries_.begin(), std::move(entry));
  return entries_.front().kept;
}

TextInk ContrastInk(FillClip fillClip) {
  const auto rgb = [](tk::ColorRole role) { return tk::ColorToRGB(tk::RoleColor(role)); };
  TextInk ink;
  ink.mask = rgb(tk::ColorRole::Window) ^ rgb(tk::ColorRole::WindowText);
  ink.fillMask = rgb(tk::ColorRole::Highlight) ^ rgb(tk::ColorRole::HighlightText);
  ink.fillClip = fillClip;
  return ink;
}

void DrawPercentText(HDC dc, const RECT& area, const core::Rect& paint, const GaugeLook& look,
                     const tk::FontRecord& font, const TextInk& ink) {
  tk::PaintBuffer& scratch = TextScratch();
  HDC text = scratch.dc();
  if (!text) return;
  const GaugeFonts::Kept kept = GaugeFonts::Shared().Get(font, text);
  if (!kept.handle) return;
  const std::string s = core::PercentText(look.percent);
  tk::SelectObjectGuard fontSelection(text, kept.handle);
  SIZE extent{};
  GetTextExtentPoint32A(text, s.c_str(), static_cast<int>(s.size()), &extent);
  const core::Point at = core::TextPosition(paint, extent.cx, extent.cy);

  // The glyphs' reach around the cell, inside the paint rectangle and the
  // area composed: outside it the exclusive-or would change nothing.
  const RECT paintRect{paint.left, paint.top, paint.right, paint.bottom};
  RECT box{at.x - kept.reachX, at.y - kept.reachY, at.x + extent.cx + kept.reachX,
           at.y + extent.cy + kept.reachY};
  if (!IntersectRect(&box, &box, &paintRect) || !IntersectRect(&box, &box, &area)) return;
  const int width = box.right - box.left, height = box.bottom - box.top;
  tk::PaintBufferUse use(scratch, width, height);
  if (!use) return;

  PatBlt(text, 0, 0, width, height, BLACKNESS);
  SetViewportOrgEx(text, -box.left, -box.top, nullptr);
  // A clip region besides ETO_CLIPPED: under Wine that leaves the underline
  // and strike-out lines unclipped.
  IntersectClipRect(text, box.left, box.top, box.right, box.bottom);
  SetBkMode(text, TRANSPARENT);
  SetTextColor(text, ink.mask);
  ExtTextOutA(text, at.x, at.y, ETO_CLIPPED, &paintRect, s.c_str(), static_cast<UINT>(s.size()),
              nullptr);
  if (ink.fillClip) {
    // Over the filled part the same glyphs again, in that part's mask.
    ink.fillClip(text, paint, look);
    SetTextColor(text, ink.fillMask);
    ExtTextOutA(text, at.x, at.y, ETO_CLIPPED, &paintRect, s.c_str(), static_cast<UINT>(s.size()),
                nullptr);
  }
  SelectClipRgn(text, nullptr);
  SetViewportOrgEx(text, 0, 0, nullptr);
  BitBlt(dc, box.left, box.top, width, height, text, 0, 0, SRCINVERT);
}

}  // namespace gauges
