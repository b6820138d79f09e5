#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "tests/win/gauge/gauge_fixture.h"

namespace gauges::test {
namespace {

struct State {
  std::int32_t min, max, progress;
  TGaugeKind kind;
  bool showText;
  TBorderStyle border;
  tk::TColor fore, back;
  bool operator==(const State&) const = default;
};

State Snapshot(const TGauge& g) {
  return State{g.MinValue(), g.MaxValue(), g.Progress(), g.Kind(), g.ShowText(),
               g.BorderStyle(), g.ForeColor(), g.BackColor()};
}

TEST(GaugeProperties, NewGaugeDefaults) {
  TGauge fresh;
  EXPECT_EQ(fresh.Width(), 100);
  EXPECT_EQ(fresh.Height(), 100);
  EXPECT_EQ(Snapshot(fresh), (State{0, 100, 0, gkHorizontalBar, true, bsSingle, tk::clBlack, tk::clWhite}));
  EXPECT_TRUE(fresh.Opaque());
  EXPECT_EQ(fresh.Percent(), 0);
  EXPECT_EQ(fresh.PaintCount(), 0u);
}

// The gauge's own colour is clWindow: it shows wherever no parent's colour
// is followed (the pie's corners, around the ellipse).
TEST(GaugeProperties, OwnColourIsWindowUntilAParentGivesOne) {
  const struct {
    const char* label;
    bool parented;
    bool parentColor;
    tk::TColor expected;
  } cases[] = {
      {"no parent", false, true, tk::clWindow},
      {"no parent, ParentColor false", false, false, tk::clWindow},
      {"parent's colour followed", true, true, tk::clRed},
  };
  for (const auto& c : cases) {
    HostWindow host(120, 120);
    host.SetColor(tk::clRed);
    TGauge g(c.parented ? &host : nullptr);
    g.SetParentColor(c.parentColor);
    EXPECT_EQ(g.Color(), c.expected) << c.label;
    EXPECT_EQ(g.ParentColor(), c.parentColor) << c.label;
    g.SetKind(gkPie);
    Dib dib(100, 100);
    g.Paint(dib.dc());
    EXPECT_EQ(dib.At(2, 2), tk::ColorToRGB(c.expected)) << c.label << ": a corner outside the pie";
  }
}

TEST(GaugeProperties, ProgressIsClampedIntoTheRange) {
  struct Case {
    std::int32_t min, max, written, stored;
  } cases[] = {
      {0, 100, 150, 100}, {0, 100, -7, 0}, {0, 100, 57, 57}, {-10, 10, -11, -10}, {5, 5, 9, 5},
  };
  for (const Case& c : cases) {
    TGauge g;
    g.SetMaxValue(c.max);
    g.SetMinValue(c.min);
    g.SetProgress(c.written);
    EXPECT_EQ(g.Progress(), c.stored) << c.min << ".." << c.max << " written " << c.written;
  }
}

TEST(GaugeRepaint, ProgressRepaintsOnlyWhenThePercentChanges) {
  GaugeOnWindow w(100, 20);
  w.gauge.SetMaxValue(1000);
  const unsigned base = w.gauge.PaintCount();
  struct Step {
    std::int32_t progress;
    unsigned paintsSoFar;
  } steps[] = {{1, 0}, {5, 0}, {10, 1}, {19, 1}, {20, 2}, {20, 2}, {0, 3}};
  for (const Step& s : steps) {
    w.gauge.SetProgress(s.progress);
    EXPECT_EQ(w.gauge.Progress(), s.progress);
    EXPECT_EQ(w.gauge.PaintCount() - base, s.paintsSoFar) << "after Progress " << s.progress;
  }
}

TEST(GaugeRepaint, FullSweepRepaintsOncePerPercent) {
  GaugeOnWindow w(100, 20);
  w.gauge.SetMaxValue(1000000);
  const unsigned base = w.gauge.PaintCount();
  for (std::int32_t v = 0; v <= 1000000; ++v) w.gauge.SetProgress(v);
  EXPECT_EQ(w.gauge.PaintCount() - base, 100u);
  EXPECT_EQ(w.gauge.Percent(), 100);
}

struct Write {
  const char* name;
  std::function<void(TGauge&)> apply;
};

TEST(GaugeRepaint, EveryChangingWriteRepaintsOnce) {
  const Write writes[] = {
      {"Kind", [](TGauge& g) { g.SetKind(gkPie); }},
      {"ShowText", [](TGauge& g) { g.SetShowText(false); }},
      {"BorderStyle", [](TGauge& g) { g.SetBorderStyle(bsNone); }},
      {"ForeColor", [](TGauge& g) { g.SetForeColor(tk::clRed); }},
      {"BackColor", [](TGauge& g) { g.SetBackColor(tk::clBlue); }},
      {"MinValue", [](TGauge& g) { g.SetMinValue(-5); }},
      {"MaxValue", [](TGauge& g) { g.SetMaxValue(500); }},
      {"Progress", [](TGauge& g) { g.SetProgress(50); }},
      {"Color", [](TGauge& g) { g.SetColor(tk::clLime); }},
  };
  for (const Write& write : writes) {
    GaugeOnWindow w(100, 20);
    const unsigned base = w.gauge.PaintCount();
    write.apply(w.gauge);
    EXPECT_EQ(w.gauge.PaintCount() - base, 1u) << write.name;
  }
}

TEST(GaugeRepaint, UnchangedWritesNeverRepaint) {
  const Write writes[] = {
      {"Kind", [](TGauge& g) { g.SetKind(gkHorizontalBar); }},
      {"ShowText", [](TGauge& g) { g.SetShowText(true); }},
      {"BorderStyle", [](TGauge& g) { g.SetBorderStyle(bsSingle); }},
      {"ForeColor", [](TGauge& g) { g.SetForeColor(tk::clBlack); }},
      {"BackColor", [](TGauge& g) { g.SetBackColor(tk::clWhite); }},
      {"MinValue", [](TGauge& g) { g.SetMinValue(0); }},
      {"MaxValue", [](TGauge& g) { g.SetMaxValue(100); }},
      {"Progress", [](TGauge& g) { g.SetProgress(0); }},
      {"Progress clamped to itself", [](TGauge& g) { g.SetProgress(-40); }},
      {"Visible", [](TGauge& g) { g.SetVisible(true); }},
  };
  for (const Write& write : writes) {
    GaugeOnWindow w(100, 20);
    const unsigned base = w.gauge.PaintCount();
    write.apply(w.gauge);
    EXPECT_EQ(w.gauge.PaintCount() - base, 0u) << write.name;
  }
}

// A form's window exists before its stored components are read; they paint
// once, when the window next paints after loading.
TEST(GaugeRepaint, LoadingPaintsNothingAndTheNextWindowPaintShowsTheResult) {
  GaugeOnWindow w(100, 20);
  ShowWindow(w.host.Handle(), SW_SHOWNA);
  UpdateWindow(w.host.Handle());
  const unsigned base = w.gauge.PaintCount();
  w.gauge.BeginLoading();
  w.gauge.SetKind(gkVerticalBar);
  w.gauge.SetBorderStyle(bsNone);
  w.gauge.SetMaxValue(500);
  w.gauge.SetProgress(250);
  w.gauge.SetForeColor(tk::clRed);
  EXPECT_EQ(w.gauge.PaintCount() - base, 0u) << "while loading";
  w.gauge.EndLoading();
  UpdateWindow(w.host.Handle());
  EXPECT_EQ(w.gauge.PaintCount() - base, 1u) << "once, after loading";
  EXPECT_EQ(w.gauge.Percent(), 50);
  w.gauge.SetProgress(500);
  EXPECT_EQ(w.gauge.PaintCount() - base, 2u) << "writes repaint at once again";
  ShowWindow(w.host.Handle(), SW_HIDE);
}

TEST(GaugeRepaint, NothingIsDrawnWhileHiddenOrWithoutAWindow) {
  GaugeOnWindow w(100, 20);
  w.gauge.SetVisible(false);
  unsigned base = w.gauge.PaintCount();
  w.gauge.SetKind(gkNeedle);
  w.gauge.SetProgress(70);
  EXPECT_EQ(w.gauge.PaintCount() - base, 0u);
  EXPECT_EQ(w.gauge.Progress(), 70);

  tk::Container windowless;  // no window handle yet
  TGauge g(&windowless);
  g.SetProgress(30);
  g.SetKind(gkPie);
  EXPECT_EQ(g.PaintCount(), 0u);
}

TEST(GaugeRange, RefusedRangeWritesChangeNothing) {
  struct Case {
    const char* name;
    std::function<void(TGauge&)> apply;
    const char* message;
  } cases[] = {
      {"MinValue above MaxValue", [](TGauge& g) { g.SetMinValue(200); },
       "Value must be between -2147483647 and 99"},
      {"MaxValue below MinValue", [](TGauge& g) { g.SetMaxValue(-5); },
       "Value must be between 1 and 2147483647"},
  };
  for (const Case& c : cases) {
    GaugeOnWindow w(100, 20);
    w.gauge.SetProgress(40);
    const State before = Snapshot(w.gauge);
    const unsigned base = w.gauge.PaintCount();
    try {
      c.apply(w.gauge);
      ADD_FAILURE() << c.name << ": no exception";
    } catch (const tk::EInvalidOperation& e) {
      EXPECT_EQ(std::string(e.what()), c.message) << c.name;
    }
    EXPECT_EQ(Snapshot(w.gauge), before) << c.name;
    EXPECT_EQ(w.gauge.PaintCount() - base, 0u) << c.name;
  }
}

TEST(GaugeRange, RangeWritesCarryProgressAlong) {
  struct Case {
    const char* name;
    std::int32_t progress;
    std::function<void(TGauge&)> apply;
    State expected;
    int percent;
  } cases[] = {
      {"MinValue equal to MaxValue", 40, [](TGauge& g) { g.SetMinValue(100); },
       {100, 100, 100, gkHorizontalBar, true, bsSingle, tk::clBlack, tk::clWhite}, 0},
      {"MaxValue below Progress", 40, [](TGauge& g) { g.SetMaxValue(30); },
       {0, 30, 30, gkHorizontalBar, true, bsSingle, tk::clBlack, tk::clWhite}, 100},
      {"MaxValue equal to MinValue", 40, [](TGauge& g) { g.SetMaxValue(0); },
       {0, 0, 0, gkHorizontalBar, true, bsSingle, tk::clBlack, tk::clWhite}, 0},
      {"MinValue above Progress", 10, [](TGauge& g) { g.SetMinValue(20); },
       {20, 100, 20, gkHorizontalBar, true, bsSingle, tk::clBlack, tk::clWhite}, 0},
      {"MinValue below Progress", 40, [](TGauge& g) { g.SetMinValue(-100); },
       {-100, 100, 40, gkHorizontalBar, true, bsSingle, tk::clBlack, tk::clWhite}, 70},
  };
  for (const Case& c : cases) {
    TGauge g;
    g.SetProgress(c.progress);
    c.apply(g);
    EXPECT_EQ(Snapshot(g), c.expected) << c.name;
    EXPECT_EQ(g.Percent(), c.percent) << c.name;
  }
}

TEST(GaugeRange, LoadingSkipsTheRangeChecks) {
  TGauge g;
  g.SetProgress(50);
  g.BeginLoading();
  EXPECT_NO_THROW(g.SetMinValue(200));
  EXPECT_EQ(g.Progress(), 200);
  EXPECT_NO_THROW(g.SetMaxValue(-5));
  EXPECT_EQ(g.Progress(), -5);
  g.EndLoading();
  EXPECT_THROW(g.SetMinValue(300), tk::EInvalidOperation);
}

}  // namespace
}  // namespace gauges::test
