#include "runtime/UnitFORM.h"

#include <stdexcept>

#include "toolkit/gdi.h"

namespace runtime {

const ImageFormResource& ImageForm() {
  static const ImageFormResource resource{
      .borderNone = true,
      .alphaBlend = true,
      .alphaBlendValue = 0,
      .transparentColor = true,
      .transparentColorValue = tk::clWhite,
      .color = tk::clWhite,
      .left = 552,
      .top = 131,
      .clientWidth = 186,
      .clientHeight = 284,
      .font = tk::FontRecord{"MS Sans Serif", tk::clWindowText, -14, 0, tk::DEFAULT_CHARSET_VALUE},
      .fontPixelsPerInch = 120,
      .visible = false,
      .gauge = {.left = 0,
                .top = 0,
                .width = 186,
                .height = 284,
                .align = tk::Align::alClient,
                .borderStyle = gauges::bsNone,
                .kind = gauges::gkVerticalBar,
                .maxValue = 500,
                .progress = 0},
  };
  return resource;
}

int ScreenPixelsPerInch() {
  tk::WindowDC screen(nullptr);
  int ppi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return ppi > 0 ? ppi : 96;
}

TImageForm::TImageForm() : Gauge(this) {
  const ImageFormResource& r = ImageForm();
  SetColor(r.color);
  // The stored font is scaled from the resolution it was designed at.
  tk::FontRecord font = r.font;
  font.height = tk::MulDiv(r.font.height, ScreenPixelsPerInch(), r.fontPixelsPerInch);
  SetFont(font);

  Gauge.Name = "Gauge";
  Gauge.SetBounds(r.gauge.left, r.gauge.top, r.gauge.width, r.gauge.height);
  Gauge.SetAlign(r.gauge.align);
  Gauge.BeginLoading();
  Gauge.SetBorderStyle(r.gauge.borderStyle);
  Gauge.SetKind(r.gauge.kind);
  Gauge.SetMaxValue(r.gauge.maxValue);
  Gauge.SetProgress(r.gauge.progress);
  Gauge.EndLoading();
}

TImageForm::~TImageForm() {
  // The window goes first, while the gauge it paints still exists.
  DestroyHandle();
}

void TImageForm::CreateAsChildOf(HWND parent) {
  const ImageFormResource& r = ImageForm();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (!r.borderNone) style |= WS_BORDER;
  if (!CreateHandle(0, style, parent, r.left, r.top, r.clientWidth, r.clientHeight))
    throw std::runtime_error("gauge window not created");
  Realign();
}

void TImageForm::Show() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_SHOW);
}

void TImageForm::Close() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

}  // namespace runtime
