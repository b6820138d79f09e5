// The track bar's border and what a drag repaints around it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/win/toolkit/test_form.h"
#include "toolkit/control.h"
#include "toolkit/dib.h"
#include "toolkit/gdi.h"

namespace {

using tktest::TTestForm;

// The track bar's whole window as it paints itself, frame included.
std::unique_ptr<tk::DibSection> PrintWindowArea(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  auto dib = std::make_unique<tk::DibSection>(r.right - r.left, r.bottom - r.top);
  dib->Fill(RGB(0, 255, 0));
  SendMessageW(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dib->dc()),
               PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  return dib;
}

TEST(TrackBar, BorderWidthIsABorderInTheSurfacesColour) {
  TTestForm form;
  const COLORREF surface = RGB(10, 120, 200);
  form.SetColor(static_cast<tk::TColor>(surface));
  auto& track = form.Get<tk::TTrackBar>("TrackBar1");
  for (int border : {1, 3}) {
    SCOPED_TRACE(border);
    track.SetBorderWidth(border);
    RECT client{};
    GetClientRect(track.Handle(), &client);
    EXPECT_EQ(client.right, 33 - 2 * border);
    EXPECT_EQ(client.bottom, 133 - 2 * border);
    auto picture = PrintWindowArea(track.Handle());
    int w = picture->width(), h = picture->height();
    ASSERT_EQ(w, 33);
    for (int i = 0; i < border; ++i) {
      for (int x = 0; x < w; ++x) {
        EXPECT_EQ(picture->At(x, i), surface) << x << "," << i;
        EXPECT_EQ(picture->At(x, h - 1 - i), surface) << x << "," << h - 1 - i;
      }
      for (int y = 0; y < h; ++y) {
        EXPECT_EQ(picture->At(i, y), surface) << i << "," << y;
        EXPECT_EQ(picture->At(w - 1 - i, y), surface) << w - 1 - i << "," << y;
      }
    }
  }
  track.SetBorderWidth(0);
  RECT client{};
  GetClientRect(track.Handle(), &client);
  EXPECT_EQ(client.right, 33) << "no border: the whole bounds";
}

// A windowless control that counts its paints.
class Probe : public tk::Control {
 public:
  explicit Probe(tk::Container* parent, bool opaque) : tk::Control(parent) { SetOpaque(opaque); }
  void Paint(HDC dc) override {
    ++paints;
    RECT r{0, 0, Width(), Height()};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  int paints = 0;
};

TEST(TrackBar, ADragRepaintsThePreviewAloneAndOncePerStep) {
  TTestForm form;
  auto& track = form.Get<tk::TTrackBar>("TrackBar1");
  // The preview next to the track bar, and a control elsewhere on the form.
  Probe preview(&form, true), elsewhere(&form, false);
  preview.SetBounds(track.Left() + track.Width() + 4, track.Top(), 60, 60);
  elsewhere.SetBounds(300, 100, 40, 40);
  int changes = 0;
  track.OnChange = [&] {
    ++changes;
    preview.Repaint();
  };
  ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
  UpdateWindow(form.Handle());
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  preview.paints = elsewhere.paints = 0;

  for (int pos : {5, 4, 3, 2, 3, 4}) {
    SendMessageW(track.Handle(), TBM_SETPOS, TRUE, pos);
    SendMessageW(GetParent(track.Handle()), WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, pos),
                 reinterpret_cast<LPARAM>(track.Handle()));
    UpdateWindow(track.Handle());
    UpdateWindow(form.Handle());
  }
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(preview.paints, 6) << "once per step, drawn at once";
  EXPECT_EQ(elsewhere.paints, 0) << "nothing else on the form is drawn again";
  ShowWindow(form.Handle(), SW_HIDE);
}

}  // namespace
