// The create action and the property actions, run as the host runs them,
// with the gauge's state read back directly.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/window_number.h"
#include "runtime/GaugeList.h"
#include "runtime/UnitFORM.h"
#include "tests/win/runtime/host_fixture.h"

namespace runtime_test {
namespace {

using runtime::FindGauge;
using runtime::GaugeAt;
using runtime::GaugeCount;
using Params = std::vector<std::string>;

class Actions : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    object_ = AddObject("Rect1", 0, 0, 80, 60);
  }
  gauges::TGauge* Gauge(const std::string& name = "Rect1") {
    int index = FindGauge(name);
    return index < 0 ? nullptr : GaugeAt(index).Gauge();
  }
  HWND object_ = nullptr;
};

TEST_F(Actions, BareCreateGivesTheDefaults) {
  ASSERT_TRUE(Run(1, Create("Rect1")));
  const gauges::TGauge* g = Gauge();
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Kind(), gauges::gkVerticalBar);
  EXPECT_EQ(g->ForeColor(), tk::clBlack);
  EXPECT_EQ(g->BackColor(), tk::clWhite);
  EXPECT_EQ(g->Color(), tk::clWhite);
  EXPECT_EQ(g->MinValue(), 0);
  EXPECT_EQ(g->MaxValue(), 100);
  EXPECT_EQ(g->Progress(), 0);
  EXPECT_TRUE(g->ShowText());
  EXPECT_TRUE(g->Visible());
  EXPECT_EQ(g->Font().name, "MS Sans Serif");
}

TEST_F(Actions, CreateReadsEverySlot) {
  ASSERT_TRUE(Run(1, Create("Rect1", {{1, "Needle"}, {2, "0,0,255"}, {3, "255,0,0"}, {4, "0,255,0"},
                                      {5, "0"}, {6, "1000"}, {7, "Arial|clRed|12|fsBold |204"},
                                      {8, "250"}, {9, "True|False"}})));
  const gauges::TGauge* g = Gauge();
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Kind(), gauges::gkNeedle);
  EXPECT_EQ(g->ForeColor(), tk::Rgb(0, 0, 255));
  EXPECT_EQ(g->BackColor(), tk::Rgb(255, 0, 0));
  EXPECT_EQ(g->Color(), tk::Rgb(0, 255, 0));
  EXPECT_EQ(g->MaxValue(), 1000);
  EXPECT_EQ(g->Progress(), 250);
  EXPECT_EQ(g->Percent(), 25);
  EXPECT_EQ(g->Font().name, "Arial");
  EXPECT_EQ(g->Font().Size(runtime::ScreenPixelsPerInch()), 12);
  EXPECT_EQ(g->Font().style, tk::fsBold);
  EXPECT_EQ(g->Font().charset, 204);
  EXPECT_FALSE(g->ShowText());
  EXPECT_TRUE(g->Visible());
}

TEST_F(Actions, CreateTwiceKeepsOnlyTheSecondAtTheEnd) {
  HWND other = AddObject("Other", 100, 0, 50, 50);
  ASSERT_TRUE(Run(1, Create("Rect1")));
  HWND first = GaugeAt(0).Handle();
  ASSERT_TRUE(Run(1, Create("Other")));
  ASSERT_TRUE(Run(1, Create("RECT1", {{1, "Pie"}})));
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GaugeCount(), 2);
  EXPECT_EQ(FindGauge("Rect1"), 1);
  EXPECT_EQ(GaugeAt(1).ObjectName(), "RECT1");
  EXPECT_EQ(GaugeAt(1).Gauge()->Kind(), gauges::gkPie);
  EXPECT_EQ(GetParent(GaugeAt(0).Handle()), other);
}

// Each row: what the host answers for command 7 (or no callback at all),
// the action's result, and whether a gauge of the name exists afterwards.
TEST_F(Actions, CreateAsksTheHostForTheWindow) {
  const struct {
    const char* label;
    bool callback;
    std::string answer;
    bool result;
    bool gauge;
  } cases[] = {
      {"no InterfaceAccessProc", false, "", false, false},
      {"empty answer", true, "", false, false},
      {"not integer text", true, "abc", false, false},
      {"trailing blank", true, "12 ", false, false},
      {"answer 0", true, "0", true, false},
      {"a number that is no window", true, "12345", false, false},
      {"the object's window", true, "window", true, true},
      {"the window in hexadecimal", true, "hexwindow", true, true},
  };
  for (const auto& c : cases) {
    ObjectAnswers()["Rect1"] = nb::WindowNumberText(object_);
    nb::Held().interfaceAccess = &FakeInterfaceAccess;
    ASSERT_TRUE(Run(1, Create("Rect1"))) << c.label;  // an earlier gauge of the name
    ASSERT_EQ(GaugeCount(), 1);
    if (c.answer == "hexwindow") {
      char hex[16];
      wsprintfA(hex, "$%X", static_cast<unsigned>(nb::WindowNumber(object_)));
      ObjectAnswers()["Rect1"] = hex;
    } else if (c.answer != "window") {
      ObjectAnswers()["Rect1"] = c.answer;
    }
    if (!c.callback) nb::Held().interfaceAccess = nullptr;
    EXPECT_EQ(Run(1, Create("Rect1")), c.result) << c.label;
    EXPECT_EQ(Gauge() != nullptr, c.gauge) << c.label;
    EXPECT_EQ(GaugeCount(), c.gauge ? 1 : 0) << c.label << ": the earlier gauge is gone";
    EXPECT_EQ(GetWindow(object_, GW_CHILD) != nullptr, c.gauge) << c.label;
  }
}

struct CreateCase {
  const char* label;
  Params params;
  bool result;
  std::function<void(const gauges::TGauge&)> check;
};

TEST_F(Actions, CreateAbsorbsEncodingErrorsButNotRangeErrors) {
  const CreateCase cases[] = {
      {"short progress colour keeps black", Create("Rect1", {{2, "10,20"}, {3, "x,1,2"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.ForeColor(), tk::clBlack);
         EXPECT_EQ(g.BackColor(), tk::clWhite);
       }},
      {"blue on empty background", Create("Rect1", {{2, "0,0,255"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.ForeColor(), tk::clBlue);
         EXPECT_EQ(g.BackColor(), tk::clWhite);
       }},
      {"kind pie in lower case", Create("Rect1", {{1, "pie"}}), true,
       [](const gauges::TGauge& g) { EXPECT_EQ(g.Kind(), gauges::gkVerticalBar); }},
      {"range wholly above the new window's 0..500", Create("Rect1", {{5, "600"}, {6, "1000"}, {8, "800"}}),
       true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), 600);
         EXPECT_EQ(g.MaxValue(), 1000);
         EXPECT_EQ(g.Progress(), 800);
         EXPECT_EQ(g.Percent(), 50);
       }},
      {"crossed range stops after the colours",
       Create("Rect1", {{1, "Pie"}, {2, "255,0,0"}, {4, "0,255,0"}, {5, "10"}, {6, "5"},
                        {7, "Arial|0|20||0"}, {8, "7"}, {9, "True|True"}}),
       false,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.Kind(), gauges::gkPie);
         EXPECT_EQ(g.ForeColor(), tk::clRed);
         EXPECT_EQ(g.Color(), tk::clLime);
         EXPECT_EQ(g.MinValue(), 0);
         EXPECT_EQ(g.MaxValue(), 500);
         EXPECT_EQ(g.Progress(), 0);
         EXPECT_EQ(g.Font().name, "MS Sans Serif");
         EXPECT_TRUE(g.ShowText());
         EXPECT_TRUE(g.Visible());
       }},
      {"range wholly below zero", Create("Rect1", {{5, "-300"}, {6, "-100"}, {8, "-150"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), -300);
         EXPECT_EQ(g.MaxValue(), -100);
         EXPECT_EQ(g.Progress(), -150);
       }},
      {"empty range", Create("Rect1", {{5, "700"}, {6, "700"}, {8, "1"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), 700);
         EXPECT_EQ(g.MaxValue(), 700);
         EXPECT_EQ(g.Progress(), 700);
       }},
      {"unreadable range texts", Create("Rect1", {{5, "abc"}, {6, "1e3"}, {8, "?"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), 0);
         EXPECT_EQ(g.MaxValue(), 100);
         EXPECT_EQ(g.Progress(), 0);
       }},
      {"progress clamped", Create("Rect1", {{8, "150"}}), true,
       [](const gauges::TGauge& g) { EXPECT_EQ(g.Progress(), 100); }},
      {"progress below the minimum", Create("Rect1", {{5, "20"}, {8, "-5"}}), true,
       [](const gauges::TGauge& g) { EXPECT_EQ(g.Progress(), 20); }},
      {"font stops at the size", Create("Rect1", {{7, "Arial|clRed|big|fsBold|0"}, {8, "42"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.Font().name, "Arial");
         EXPECT_EQ(g.Font().color, tk::clRed);
         EXPECT_EQ(g.Font().style, 0);
         EXPECT_EQ(g.Progress(), 42);
       }},
      {"font with three fields", Create("Rect1", {{7, "Arial|clRed|12"}}), true,
       [](const gauges::TGauge& g) { EXPECT_EQ(g.Font().name, "MS Sans Serif"); }},
      {"flags hide the gauge", Create("Rect1", {{9, "False|True"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_TRUE(g.ShowText());
         EXPECT_FALSE(g.Visible());
       }},
      {"flags in lower case hide nothing", Create("Rect1", {{9, "true|true"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_TRUE(g.ShowText());
         EXPECT_TRUE(g.Visible());
       }},
      {"single flag word", Create("Rect1", {{9, "True"}}), true,
       [](const gauges::TGauge& g) {
         EXPECT_FALSE(g.ShowText());
         EXPECT_TRUE(g.Visible());
       }},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(1, c.params), c.result) << c.label;
    const gauges::TGauge* g = Gauge();
    ASSERT_NE(g, nullptr) << c.label;
    SCOPED_TRACE(c.label);
    c.check(*g);
  }
}

TEST_F(Actions, WindowForAnEmptyNameStaysUnconfigured) {
  ObjectAnswers()[""] = nb::WindowNumberText(object_);
  EXPECT_TRUE(Run(1, Create("", {{1, "Pie"}, {6, "1000"}})));
  ASSERT_EQ(GaugeCount(), 1);
  EXPECT_EQ(GaugeAt(0).Gauge()->Kind(), gauges::gkVerticalBar);
  EXPECT_EQ(GaugeAt(0).Gauge()->MaxValue(), 500);
  for (int action = 3; action <= 8; ++action)
    EXPECT_FALSE(Run(action, {"", "0", "0"})) << "action " << action;
  EXPECT_TRUE(Run(2, {""}));
  EXPECT_EQ(GaugeCount(), 0);
}

TEST_F(Actions, PropertyActionsAnswerFalseWithoutAGauge) {
  for (int action = 2; action <= 8; ++action)
    EXPECT_FALSE(Run(action, {"Rect1", "1", "2"})) << "before any create, action " << action;
  ASSERT_TRUE(Run(1, Create("Rect1")));
  for (int action = 3; action <= 8; ++action)
    EXPECT_FALSE(Run(action, {"Rect2", "1", "2"})) << "another name, action " << action;
}

struct PropertyCase {
  const char* label;
  int action;
  Params params;  // after the object name
  bool result;
  std::function<void(const gauges::TGauge&)> check;
};

TEST_F(Actions, PropertyActionsChangeTheNamedGauge) {
  const PropertyCase cases[] = {
      {"progress clamped to the maximum", 3, {"250"}, true,
       [](const gauges::TGauge& g) { EXPECT_EQ(g.Progress(), 100); }},
      {"unreadable progress gives 0", 3, {"abc"}, true,
       [](const gauges::TGauge& g) { EXPECT_EQ(g.Progress(), 0); }},
      {"range wholly above the maximum", 4, {"200", "300"}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), 200);
         EXPECT_EQ(g.MaxValue(), 300);
         EXPECT_EQ(g.Progress(), 200);
       }},
      {"range below, progress pulled down", 4, {"-300", "-100"}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), -300);
         EXPECT_EQ(g.MaxValue(), -100);
         EXPECT_EQ(g.Progress(), -100);
       }},
      {"both range texts empty", 4, {"", ""}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), 0);
         EXPECT_EQ(g.MaxValue(), 0);
         EXPECT_EQ(g.Progress(), 0);
       }},
      {"empty maximum is 0, not 100", 4, {"-10", ""}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), -10);
         EXPECT_EQ(g.MaxValue(), 0);
         EXPECT_EQ(g.Progress(), 0);
       }},
      {"crossed range changes nothing", 4, {"50", "20"}, false,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), 0);
         EXPECT_EQ(g.MaxValue(), 100);
         EXPECT_EQ(g.Progress(), 40);
       }},
      {"crossed range beyond the maximum changes nothing", 4, {"300", "200"}, false,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.MinValue(), 0);
         EXPECT_EQ(g.MaxValue(), 100);
         EXPECT_EQ(g.Progress(), 40);
       }},
      {"red background, empty outside", 5, {"255,0,0", ""}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.BackColor(), tk::clRed);
         EXPECT_EQ(g.Color(), tk::clWhite);
       }},
      {"short background triple", 5, {"255,0", "0,0,255"}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.BackColor(), tk::Rgb(10, 10, 10));
         EXPECT_EQ(g.Color(), tk::clBlue);
       }},
      {"empty progress colour is white", 6, {""}, true,
       [](const gauges::TGauge& g) { EXPECT_EQ(g.ForeColor(), tk::clWhite); }},
      {"unreadable progress colour", 6, {"red"}, true,
       [](const gauges::TGauge& g) { EXPECT_EQ(g.ForeColor(), tk::Rgb(1, 2, 3)); }},
      {"empty font", 7, {""}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.Font().name, "Courier");
         EXPECT_EQ(g.Font().style, tk::fsBold);
       }},
      {"font without styles makes bold regular", 7, {"Times New Roman|clBlack|10||204"}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.Font().name, "Times New Roman");
         EXPECT_EQ(g.Font().style, 0);
         EXPECT_EQ(g.Font().charset, 204);
       }},
      {"font stopped at its size keeps its styles", 7, {"Arial|clBlack|big||0"}, true,
       [](const gauges::TGauge& g) {
         EXPECT_EQ(g.Font().name, "Arial");
         EXPECT_EQ(g.Font().style, tk::fsBold);
       }},
      {"Hide", 8, {"Hide"}, true, [](const gauges::TGauge& g) { EXPECT_FALSE(g.Visible()); }},
      {"HIDE changes nothing", 8, {"HIDE"}, true,
       [](const gauges::TGauge& g) { EXPECT_TRUE(g.Visible()); }},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Run(1, Create("Rect1", {{3, "10,10,10"}, {2, "1,2,3"}, {7, "Courier|0|9|fsBold|0"},
                                        {8, "40"}})));
    Params params{"RECT1"};
    params.insert(params.end(), c.params.begin(), c.params.end());
    EXPECT_EQ(Run(c.action, params), c.result) << c.label;
    const gauges::TGauge* g = Gauge();
    ASSERT_NE(g, nullptr);
    SCOPED_TRACE(c.label);
    c.check(*g);
    EXPECT_TRUE(GetWindowLongW(GaugeAt(FindGauge("Rect1")).Handle(), GWL_STYLE) & WS_VISIBLE) << "the window stays shown";
  }
}

// Ranges move anywhere in one step; the progress ends clamped into each.
TEST_F(Actions, RangePairsApplyWhateverTheCurrentRange) {
  ASSERT_TRUE(Run(1, Create("Rect1", {{8, "50"}})));
  const struct {
    const char* minimum;
    const char* maximum;
    std::int32_t progressBefore;
    bool result;
    std::int32_t min, max, progress;
  } steps[] = {
      {"200", "300", 50, true, 200, 300, 200},
      {"250", "250", 280, true, 250, 250, 250},
      {"-300", "-100", 250, true, -300, -100, -100},
      {"-2000000000", "2000000000", -200, true, -2000000000, 2000000000, -200},
      {"1000", "999", 0, false, -2000000000, 2000000000, 0},
      {"0", "0", 7, true, 0, 0, 0},
  };
  for (const auto& s : steps) {
    gauges::TGauge* g = Gauge();
    g->SetProgress(s.progressBefore);
    EXPECT_EQ(Run(4, {"Rect1", s.minimum, s.maximum}), s.result) << s.minimum << ".." << s.maximum;
    EXPECT_EQ(g->MinValue(), s.min) << s.minimum << ".." << s.maximum;
    EXPECT_EQ(g->MaxValue(), s.max) << s.minimum << ".." << s.maximum;
    EXPECT_EQ(g->Progress(), s.progress) << s.minimum << ".." << s.maximum;
  }
}

TEST_F(Actions, ShowAfterHide) {
  ASSERT_TRUE(Run(1, Create("Rect1", {{9, "False|True"}})));
  EXPECT_TRUE(Run(8, {"Rect1", "show"}));
  EXPECT_FALSE(Gauge()->Visible());
  EXPECT_TRUE(Run(8, {"Rect1", "Show"}));
  EXPECT_TRUE(Gauge()->Visible());
}

TEST_F(Actions, DeleteTwice) {
  ASSERT_TRUE(Run(1, Create("Rect1")));
  EXPECT_TRUE(Run(2, {"rect1"}));
  EXPECT_FALSE(Run(2, {"rect1"}));
  EXPECT_EQ(GetWindow(object_, GW_CHILD), nullptr);
}

TEST_F(Actions, UnknownActionNumbersAnswerFalse) {
  ASSERT_TRUE(Run(1, Create("Rect1")));
  for (int action : {0, 9, -1, 100}) EXPECT_FALSE(Run(action, {"Rect1", "50"})) << action;
  EXPECT_EQ(Gauge()->Progress(), 0);
}

}  // namespace
}  // namespace runtime_test
