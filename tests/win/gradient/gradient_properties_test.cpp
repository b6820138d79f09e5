#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/win/gradient/gradient_fixture.h"

namespace decor::test {
namespace {

const COLORREF kCaption = GetSysColor(COLOR_ACTIVECAPTION);
const COLORREF kCaptionGradient = GetSysColor(COLOR_GRADIENTACTIVECAPTION);

TEST(GradientProperties, NewPanelDefaults) {
  TGradient g;
  EXPECT_EQ(g.Width(), 100);
  EXPECT_EQ(g.Height(), 100);
  EXPECT_EQ(g.ColorBegin(), tk::clWhite);
  EXPECT_EQ(g.ColorEnd(), tk::clBtnFace);
  EXPECT_EQ(g.BorderColor(), tk::clActiveBorder);
  EXPECT_EQ(g.BorderWidth(), 0);
  EXPECT_EQ(g.Style(), gsRadialC);
  EXPECT_EQ(g.Shape(), stRectangle);
  EXPECT_EQ(g.Shift(), 0);
  EXPECT_EQ(g.Rotation(), 0);
  EXPECT_FALSE(g.Reverse());
  EXPECT_FALSE(g.UseSysColors());
  EXPECT_TRUE(g.Opaque());
  EXPECT_EQ(g.UpdateCount(), 0);
  EXPECT_TRUE(g.PatternValid()) << "a new panel already holds its pattern";
  EXPECT_EQ(g.Pattern().Width(), 362);
  EXPECT_EQ(g.Pattern().Height(), 362);
  EXPECT_EQ(g.RebuildCount(), 1u);
}

TEST(GradientProperties, ShiftAndRotationAreClamped) {
  struct Case {
    int written, stored;
  } cases[] = {{120, 100}, {-120, -100}, {100, 100}, {-100, -100}, {50, 50}, {-7, -7}, {100000, 100}};
  for (const Case& c : cases) {
    TGradient g;
    g.SetShift(c.written);
    g.SetRotation(c.written);
    EXPECT_EQ(g.Shift(), c.stored) << c.written;
    EXPECT_EQ(g.Rotation(), c.stored) << c.written;
  }
}

TEST(GradientProperties, OnlyTheRectangleIsOpaque) {
  TGradient g;
  for (int shape : {stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle, stRectangle}) {
    g.SetShape(static_cast<TShapeType>(shape));
    EXPECT_EQ(g.Opaque(), shape == stRectangle) << "shape " << shape;
  }
}

// The pattern is rendered again only for colours, style, shift, rotation and
// reverse, and only when the value changes.
TEST(GradientRebuild, OnlyPatternPropertiesRenderAgain) {
  struct Case {
    const char* what;
    std::function<void(TGradient&)> write;
    unsigned rebuilds;
  } cases[] = {
      {"ColorBegin", [](TGradient& g) { g.SetColorBegin(tk::clRed); }, 1},
      {"ColorBegin unchanged", [](TGradient& g) { g.SetColorBegin(tk::clWhite); }, 0},
      {"ColorEnd", [](TGradient& g) { g.SetColorEnd(tk::clBlue); }, 1},
      {"ColorEnd unchanged", [](TGradient& g) { g.SetColorEnd(tk::clBtnFace); }, 0},
      {"Style", [](TGradient& g) { g.SetStyle(gsLinearV); }, 1},
      {"Style unchanged", [](TGradient& g) { g.SetStyle(gsRadialC); }, 0},
      {"Shift", [](TGradient& g) { g.SetShift(10); }, 1},
      {"Shift clamped onto the same value", [](TGradient& g) { g.SetShift(100); g.SetShift(150); }, 1},
      {"Rotation", [](TGradient& g) { g.SetRotation(-10); }, 1},
      {"Reverse", [](TGradient& g) { g.SetReverse(true); }, 1},
      {"Reverse unchanged", [](TGradient& g) { g.SetReverse(false); }, 0},
      {"Shape", [](TGradient& g) { g.SetShape(stCircle); }, 0},
      {"BorderWidth", [](TGradient& g) { g.SetBorderWidth(3); }, 0},
      {"BorderColor", [](TGradient& g) { g.SetBorderColor(tk::clRed); }, 0},
      {"bounds", [](TGradient& g) { g.SetBounds(5, 5, 329, 17); }, 0},
      {"visibility", [](TGradient& g) { g.SetVisible(false); g.SetVisible(true); }, 0},
      {"UseSysColors false while false", [](TGradient& g) { g.SetUseSysColors(false); }, 0},
  };
  for (const Case& c : cases) {
    GradientOnWindow w(100, 40);
    const unsigned before = w.gradient.RebuildCount();
    c.write(w.gradient);
    EXPECT_EQ(w.gradient.RebuildCount() - before, c.rebuilds) << c.what;
    EXPECT_TRUE(w.gradient.PatternValid()) << c.what;
  }
}

TEST(GradientRebuild, ResizingKeepsThePatternAndStretchesItAnew) {
  GradientOnWindow w(500, 10);
  w.gradient.SetStyle(gsLinearH);
  w.gradient.SetColorBegin(tk::clWhite);
  w.gradient.SetColorEnd(tk::clBlack);
  const unsigned rebuilds = w.gradient.RebuildCount();
  const HBITMAP pattern = w.gradient.Pattern().Handle();
  // Widening repeats pattern columns, so both ends stay exact; narrowing
  // drops columns where the platform's stretch chooses.
  for (int width : {329, 256, 500, 40, 300}) {
    w.gradient.SetBounds(0, 0, width, 10);
    auto dib = w.Print();
    if (width >= 256) {
      EXPECT_EQ(dib->At(0, 5), RGB(255, 255, 255)) << "width " << width;
      EXPECT_EQ(dib->At(width - 1, 5), RGB(0, 0, 0)) << "width " << width;
    } else {
      EXPECT_GT(GetRValue(dib->At(0, 5)), GetRValue(dib->At(width - 1, 5))) << "width " << width;
    }
    EXPECT_EQ(dib->At(width, 5), kParent) << "width " << width;
  }
  EXPECT_EQ(w.gradient.RebuildCount(), rebuilds);
  EXPECT_EQ(w.gradient.Pattern().Handle(), pattern);
}

TEST(GradientUpdate, WritesBetweenBeginAndEndRebuildOnce) {
  GradientOnWindow w(50, 20);
  const unsigned before = w.gradient.RebuildCount();
  w.gradient.BeginUpdate();
  w.gradient.SetStyle(gsLinearH);
  w.gradient.SetColorBegin(tk::clRed);
  w.gradient.SetColorEnd(tk::clRed);
  w.gradient.SetShift(30);
  w.gradient.SetRotation(30);
  w.gradient.SetReverse(true);
  EXPECT_EQ(w.gradient.RebuildCount(), before);
  EXPECT_FALSE(w.gradient.PatternValid());
  EXPECT_EQ(w.Print()->At(25, 10), RGB(0, 0, 0))
      << "nothing is drawn while the pattern is stale: the fresh surface keeps its black";
  w.gradient.EndUpdate();
  EXPECT_EQ(w.gradient.RebuildCount(), before + 1);
  EXPECT_TRUE(w.gradient.PatternValid());
  EXPECT_EQ(w.Print()->At(25, 10), RGB(255, 0, 0));
}

TEST(GradientUpdate, NestedUpdatesRebuildAtTheOutermostEnd) {
  TGradient g;
  const unsigned before = g.RebuildCount();
  g.BeginUpdate();
  g.BeginUpdate();
  g.SetStyle(gsDiamond);
  g.EndUpdate();
  EXPECT_EQ(g.RebuildCount(), before);
  EXPECT_EQ(g.UpdateCount(), 1);
  g.EndUpdate();
  EXPECT_EQ(g.RebuildCount(), before + 1);
  EXPECT_EQ(g.Pattern().Width(), 256);
}

TEST(GradientUpdate, UpdateWithoutChangesDoesNotRebuild) {
  TGradient g;
  const unsigned before = g.RebuildCount();
  g.BeginUpdate();
  g.SetShape(stEllipse);
  g.SetColorBegin(tk::clWhite);
  g.EndUpdate();
  EXPECT_EQ(g.RebuildCount(), before);
  EXPECT_TRUE(g.PatternValid());
}

TEST(GradientUpdate, UnbalancedEndUpdateIsIgnored) {
  TGradient g;
  g.EndUpdate();
  g.EndUpdate();
  EXPECT_EQ(g.UpdateCount(), 0);
  const unsigned before = g.RebuildCount();
  g.SetStyle(gsLinearH);
  EXPECT_EQ(g.RebuildCount(), before + 1) << "writes still rebuild at once";
  g.BeginUpdate();
  g.SetStyle(gsLinearV);
  g.EndUpdate();
  EXPECT_EQ(g.RebuildCount(), before + 2) << "and one BeginUpdate still balances one EndUpdate";
}

// A paint while the pattern waits for EndUpdate draws nothing of the panel:
// its area keeps the pixels it had, on the screen and in a printed surface,
// instead of showing the parent's colour.
TEST(GradientUpdate, PaintInsideAnUpdateKeepsThePreviousPixels) {
  GradientOnWindow w(60, 20);
  w.gradient.SetStyle(gsLinearV);
  w.gradient.SetColorBegin(tk::clRed);
  w.gradient.SetColorEnd(tk::clRed);
  SetWindowPos(w.host.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  auto screenAt = [&](int x, int y) {
    InvalidateRect(w.host.Handle(), nullptr, FALSE);
    UpdateWindow(w.host.Handle());
    HDC dc = GetDC(w.host.Handle());
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w.host.Handle(), dc);
    return c;
  };
  Dib printed(70, 30);
  auto print = [&] {
    SendMessageW(w.host.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
  };
  print();
  ASSERT_EQ(printed.At(30, 10), RGB(255, 0, 0));
  ASSERT_EQ(screenAt(30, 10), RGB(255, 0, 0));

  w.gradient.BeginUpdate();
  w.gradient.SetColorBegin(tk::clBlue);
  w.gradient.SetColorEnd(tk::clBlue);
  ASSERT_FALSE(w.gradient.PatternValid());
  w.host.SetColor(tk::Rgb(255, 255, 0));  // the parent repaints meanwhile
  print();
  EXPECT_EQ(printed.At(30, 10), RGB(255, 0, 0)) << "printed: the previous pixels";
  EXPECT_EQ(printed.At(65, 25), RGB(255, 255, 0)) << "printed: the parent around it";
  EXPECT_EQ(screenAt(30, 10), RGB(255, 0, 0)) << "screen: the previous pixels";
  EXPECT_EQ(screenAt(65, 25), RGB(255, 255, 0)) << "screen: the parent around it";

  w.gradient.EndUpdate();
  print();
  EXPECT_EQ(printed.At(30, 10), RGB(0, 0, 255));
  EXPECT_EQ(screenAt(30, 10), RGB(0, 0, 255));
  ShowWindow(w.host.Handle(), SW_HIDE);
}

TEST(GradientLoading, LoadedRebuildsOnceWithEveryValueInPlace) {
  GradientOnWindow w(60, 20);
  const unsigned before = w.gradient.RebuildCount();
  w.gradient.BeginLoading();
  w.gradient.SetStyle(gsLinearV);
  w.gradient.SetColorBegin(tk::clBlue);
  w.gradient.SetColorEnd(tk::clRed);  // two colours: a one-colour panel has no pattern to show its style
  w.gradient.SetShift(-40);
  w.gradient.BeginUpdate();
  w.gradient.EndUpdate();
  EXPECT_EQ(w.gradient.RebuildCount(), before);
  EXPECT_FALSE(w.gradient.PatternValid());
  Dib printed(70, 30);
  printed.Fill(RGB(255, 0, 255));
  SendMessageW(w.host.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
  EXPECT_EQ(printed.At(30, 10), RGB(255, 0, 255)) << "nothing is drawn until loaded";
  EXPECT_EQ(printed.At(65, 25), kParent);
  w.gradient.Loaded();
  EXPECT_FALSE(w.gradient.Loading());
  EXPECT_EQ(w.gradient.RebuildCount(), before + 1);
  EXPECT_EQ(w.gradient.Pattern().Height(), 256);
  auto dib = w.Print();
  EXPECT_EQ(dib->At(30, 0), RGB(0, 0, 255)) << "the first colour at the top";
  // Downwards toward the shifted second colour, RGB(153, 0, 102), not past it.
  const COLORREF bottom = dib->At(30, 19);
  EXPECT_TRUE(GetRValue(bottom) > 100 && GetRValue(bottom) <= 153 && GetBValue(bottom) >= 102 &&
              GetBValue(bottom) < 150)
      << std::hex << bottom;
}

TEST(GradientSysColors, UseSysColorsTakesTheCaptionColoursWithOneRebuild) {
  GradientOnWindow w(329, 4);
  w.gradient.SetStyle(gsLinearH);
  const unsigned before = w.gradient.RebuildCount();
  w.gradient.SetUseSysColors(true);
  EXPECT_TRUE(w.gradient.UseSysColors());
  EXPECT_EQ(static_cast<COLORREF>(w.gradient.ColorBegin()), kCaption);
  EXPECT_EQ(static_cast<COLORREF>(w.gradient.ColorEnd()), kCaptionGradient);
  EXPECT_EQ(w.gradient.RebuildCount(), before + 1);
  auto dib = w.Print();
  EXPECT_EQ(dib->At(0, 2), kCaption);
  EXPECT_EQ(dib->At(328, 2), kCaptionGradient);
}

TEST(GradientSysColors, WritesThatEndUseSysColors) {
  struct Case {
    const char* what;
    std::function<void(TGradient&)> write;
    bool useSysColors;
    bool keepsCaptionColours;
  } cases[] = {
      {"ColorBegin switches it off", [](TGradient& g) { g.SetColorBegin(tk::Rgb(1, 2, 3)); }, false, false},
      {"ColorEnd switches it off", [](TGradient& g) { g.SetColorEnd(tk::Rgb(1, 2, 3)); }, false, false},
      {"UseSysColors false keeps the colours", [](TGradient& g) { g.SetUseSysColors(false); }, false, true},
      {"the same caption colour changes nothing",
       [](TGradient& g) { g.SetColorBegin(static_cast<tk::TColor>(kCaption)); }, true, true},
      {"style keeps it", [](TGradient& g) { g.SetStyle(gsLinearV); }, true, true},
  };
  for (const Case& c : cases) {
    TGradient g;
    g.SetUseSysColors(true);
    c.write(g);
    EXPECT_EQ(g.UseSysColors(), c.useSysColors) << c.what;
    if (c.keepsCaptionColours) {
      EXPECT_EQ(static_cast<COLORREF>(g.ColorBegin()), kCaption) << c.what;
      EXPECT_EQ(static_cast<COLORREF>(g.ColorEnd()), kCaptionGradient) << c.what;
    }
  }
}

// Counts the system-colour loads that settings changes cause.
class CountingGradient : public TGradient {
 public:
  using TGradient::TGradient;
  void LoadSystemColors() override {
    ++loads;
    TGradient::LoadSystemColors();
  }
  int loads = 0;
};

TEST(GradientSysColors, SettingsChangeReloadsOnlyWhenFollowingTheSystem) {
  for (bool follow : {false, true}) {
    HostWindow top(200, 100);
    HostWindow nested(100, 50, top.Handle());  // panels on inner surfaces hear of it too
    CountingGradient onTop(&top), onNested(&nested);
    onTop.SetUseSysColors(follow);
    onNested.SetUseSysColors(follow);
    onTop.loads = onNested.loads = 0;
    SendMessageW(top.Handle(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(onTop.loads, follow ? 1 : 0) << "UseSysColors " << follow;
    EXPECT_EQ(onNested.loads, follow ? 1 : 0) << "nested, UseSysColors " << follow;
    EXPECT_EQ(onTop.UseSysColors(), follow);
  }
}

TEST(GradientMouse, EnterAndLeaveCallTheHandlersWithTheSender) {
  GradientOnWindow w(50, 20, 10, 10);
  std::vector<std::string> events;
  w.gradient.OnMouseEnter = [&](TGradient& sender) {
    events.push_back(&sender == &w.gradient ? "enter" : "enter from elsewhere");
  };
  w.gradient.OnMouseLeave = [&](TGradient& sender) {
    events.push_back(&sender == &w.gradient ? "leave" : "leave from elsewhere");
  };
  const unsigned rebuilds = w.gradient.RebuildCount();
  SendMessageW(w.host.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
  SendMessageW(w.host.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 15));
  SendMessageW(w.host.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
  EXPECT_EQ(w.gradient.RebuildCount(), rebuilds) << "hovering changes no picture";
}

TEST(GradientMouse, NoHandlersNoHarm) {
  GradientOnWindow w(50, 20);
  SendMessageW(w.host.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(w.host.Handle(), WM_MOUSELEAVE, 0, 0);  // must not call an empty handler
}

}  // namespace
}  // namespace decor::test
