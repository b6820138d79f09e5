// Gauge windows inside host objects: opening, the list and its lookups, and
// the answers to the host's request message.
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/GaugeList.h"
#include "runtime/actions.h"
#include "runtime/UnitFORM.h"
#include "tests/win/runtime/host_fixture.h"
#include "toolkit/gui_objects.h"

namespace runtime_test {
namespace {

using runtime::DeleteGauge;
using runtime::FindGauge;
using runtime::GaugeAt;
using runtime::GaugeCount;
using runtime::OpenGaugeWindow;

class GaugeWindows : public HostFixture {
 protected:
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < GaugeCount(); ++i) names.push_back(GaugeAt(i).ObjectName());
    return names;
  }
};

TEST_F(GaugeWindows, OpensAVisibleChildCoveringTheObjectsClientArea) {
  HWND object = AddObject("Rect1", 10, 20, 150, 90, /*framed=*/true);
  auto& window = OpenGaugeWindow("Rect1", object);
  HWND hwnd = window.Handle();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetParent(hwnd), object);
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE);
  RECT client{}, rect{};
  GetClientRect(object, &client);
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(HWND_DESKTOP, object, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, client.right);
  EXPECT_EQ(rect.bottom, client.bottom);
  EXPECT_EQ(window.ObjectName(), "Rect1");
  EXPECT_EQ(window.Gauge()->Width(), client.right);
  EXPECT_EQ(window.Gauge()->Height(), client.bottom);
}

TEST_F(GaugeWindows, NewWindowShowsTheStoredForm) {
  HWND object = AddObject("Rect1", 0, 0, 100, 100);
  const auto& gauge = *OpenGaugeWindow("Rect1", object).Gauge();
  EXPECT_EQ(gauge.Kind(), gauges::gkVerticalBar);
  EXPECT_EQ(gauge.MinValue(), 0);
  EXPECT_EQ(gauge.MaxValue(), 500);
  EXPECT_EQ(gauge.Progress(), 0);
  EXPECT_EQ(gauge.BorderStyle(), gauges::bsNone);
  EXPECT_EQ(gauge.ForeColor(), tk::clBlack);
  EXPECT_EQ(gauge.BackColor(), tk::clWhite);
  EXPECT_EQ(gauge.Color(), tk::clWhite);
  EXPECT_TRUE(gauge.ShowText());
  EXPECT_TRUE(gauge.Visible());
  EXPECT_EQ(gauge.Font().name, "MS Sans Serif");
  EXPECT_EQ(gauge.Font().Size(runtime::ScreenPixelsPerInch()), 8);
}

// The stored form asks for alpha 0 and a white colour key; on a child
// window that would hide the gauge, so a gauge window is never layered and
// its picture reaches the screen over the object.
TEST_F(GaugeWindows, ChildWindowIsNotLayeredAndShowsOnScreen) {
  HWND object = AddObject("Rect1", 0, 0, 60, 60);
  auto& window = OpenGaugeWindow("Rect1", object);
  EXPECT_TRUE(window.AlphaBlend());
  EXPECT_EQ(window.AlphaBlendValue(), 0);
  EXPECT_TRUE(window.TransparentColor());
  EXPECT_EQ(window.TransparentColorValue(), tk::clWhite);
  EXPECT_EQ(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  window.Gauge()->SetBackColor(RGB(0, 0, 255));
  window.Gauge()->SetShowText(false);
  ShowWindow(main_, SW_SHOW);
  RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HDC screen = GetDC(object);
  COLORREF seen = GetPixel(screen, 30, 30);
  ReleaseDC(object, screen);
  EXPECT_EQ(seen, RGB(0, 0, 255));
}

TEST_F(GaugeWindows, FindGaugeFoldsAsciiLettersOnly) {
  EXPECT_EQ(FindGauge("Rect1"), -1) << "before any window";
  HWND object = AddObject("x", 0, 0, 50, 50);
  OpenGaugeWindow("Rect1", object);
  OpenGaugeWindow("\xC0\xE1", object);  // CP1251 capital A, small be
  const struct {
    const char* name;
    int index;
  } cases[] = {
      {"Rect1", 0}, {"RECT1", 0}, {"rect1", 0}, {"Rect2", -1}, {"Rect1 ", -1},
      {"\xC0\xE1", 1}, {"\xE0\xE1", -1}, {"\xC0\xC1", -1}, {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(FindGauge(c.name), c.index) << "[" << c.name << "]";
  runtime::CloseAllGauges();
  EXPECT_EQ(FindGauge("Rect1"), -1) << "after closing all";
}

TEST_F(GaugeWindows, DeleteRemovesTheMatchAndKeepsTheOrder) {
  HWND object = AddObject("x", 0, 0, 50, 50);
  for (const char* name : {"A", "B", "C"}) OpenGaugeWindow(name, object);
  EXPECT_TRUE(DeleteGauge("b"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C"}));
  EXPECT_FALSE(DeleteGauge("b"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C"}));
  EXPECT_TRUE(DeleteGauge("A"));
  EXPECT_TRUE(DeleteGauge("c"));
  EXPECT_EQ(GaugeCount(), 0);
  EXPECT_TRUE(runtime::GaugeListPresent()) << "an emptied list stays until everything is closed";
}

TEST_F(GaugeWindows, DeleteDestroysTheWindow) {
  HWND object = AddObject("x", 0, 0, 50, 50);
  HWND named = OpenGaugeWindow("A", object).Handle();
  HWND unnamed = OpenGaugeWindow("", object).Handle();
  EXPECT_TRUE(DeleteGauge(""));
  EXPECT_FALSE(IsWindow(unnamed));
  EXPECT_TRUE(DeleteGauge("a"));
  EXPECT_FALSE(IsWindow(named));
  EXPECT_EQ(GetWindow(object, GW_CHILD), nullptr);
}

TEST_F(GaugeWindows, CloseAllEndsTheListAndALaterOpenStartsANewOne) {
  HWND object = AddObject("x", 0, 0, 50, 50);
  runtime::CloseAllGauges();  // nothing open: nothing happens
  EXPECT_FALSE(runtime::GaugeListPresent());
  HWND a = OpenGaugeWindow("A", object).Handle();
  HWND b = OpenGaugeWindow("", object).Handle();
  EXPECT_TRUE(runtime::GaugeListPresent());
  runtime::CloseAllGauges();
  EXPECT_FALSE(runtime::GaugeListPresent());
  EXPECT_FALSE(IsWindow(a));
  EXPECT_FALSE(IsWindow(b));
  runtime::CloseAllGauges();
  OpenGaugeWindow("C", object);
  EXPECT_EQ(GaugeCount(), 1);
  EXPECT_EQ(FindGauge("c"), 0);
}

TEST_F(GaugeWindows, EveryRequestCodeIsAnsweredWithZero) {
  HWND object = AddObject("x", 0, 0, 50, 50);
  HWND hwnd = OpenGaugeWindow("A", object).Handle();
  for (LPARAM code : {0, 1, 2, 3, 4, 6, 7, 8, 9, 250, -1})
    EXPECT_EQ(SendMessageW(hwnd, WM_USER + 250, 0, code), 0) << code;
  EXPECT_TRUE(IsWindowEnabled(hwnd));
}

TEST_F(GaugeWindows, DisableHoldsUntilEnable) {
  HWND object = AddObject("x", 0, 0, 50, 50);
  HWND hwnd = OpenGaugeWindow("A", object).Handle();
  const struct {
    LPARAM code;
    bool enabled;
  } steps[] = {{7, false}, {4, false}, {5, false}, {6, false}, {0, false}, {9, false},
               {7, false}, {8, true},  {8, true},  {6, true}};
  for (const auto& s : steps) {
    SendMessageW(hwnd, WM_USER + 250, 0, s.code);
    EXPECT_EQ(IsWindowEnabled(hwnd) != FALSE, s.enabled) << "after code " << s.code;
  }
}

TEST_F(GaugeWindows, PaintRequestDrawsIntoTheGivenDcOnly) {
  HWND object = AddObject("x", 0, 0, 40, 30);
  auto& window = OpenGaugeWindow("A", object);
  window.Gauge()->SetShowText(false);
  EXPECT_TRUE(Capture(window.Handle(), 40, 30, /*wParamZero=*/true).AllEqual(kMagenta));
  Picture picture = Capture(window.Handle(), 40, 30);
  EXPECT_TRUE(picture.AllEqual(0xFFFFFF)) << "an empty white vertical bar";
  window.Gauge()->SetForeColor(RGB(255, 0, 0));
  window.Gauge()->SetProgress(500);
  picture = Capture(window.Handle(), 40, 30);
  // Without a border the full vertical bar leaves its top row in BackColor.
  EXPECT_EQ(picture.At(5, 0), 0xFFFFFFu);
  EXPECT_EQ(picture.At(5, 1), 0xFF0000u);
  EXPECT_EQ(picture.At(39, 29), 0xFF0000u);
}

TEST_F(GaugeWindows, ResizeRequestFitsTheNewClientArea) {
  HWND object = AddObject("x", 0, 0, 50, 50, /*framed=*/true);
  auto& window = OpenGaugeWindow("A", object);
  SetWindowPos(object, nullptr, 0, 0, 120, 80, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageW(window.Handle(), WM_USER + 250, 0, 4);
  RECT client{}, rect{};
  GetClientRect(object, &client);
  GetClientRect(window.Handle(), &rect);
  EXPECT_EQ(rect.right, client.right);
  EXPECT_EQ(rect.bottom, client.bottom);
  EXPECT_EQ(window.Gauge()->Width(), client.right);
  EXPECT_EQ(window.Gauge()->Height(), client.bottom);
}


// A gauge window destroyed by the host, with the object's window or alone,
// leaves GaugeList at once: the actions find no gauge of that name, delete
// and close-all pass over it, a new create works, and nothing is left over.
TEST_F(GaugeWindows, WindowsTheHostDestroysLeaveTheListAtOnce) {
  const struct {
    const char* label;
    bool wholeObject;
  } cases[] = {{"the object's window", true}, {"the gauge window", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    HWND keep = AddObject("Keep", 0, 0, 50, 50);
    // Warm up whatever the first gauge caches for good.
    ASSERT_TRUE(runtime::RunAction(1, {"Keep", "", "", "", "", "", "", "Arial|0|9|fsBold|0", "", ""}));
    runtime::CloseAllGauges();
    const tk::GuiObjects before = tk::CountGuiObjects();

    HWND doomed = AddObject("Doomed", 60, 0, 50, 50);
    for (const char* name : {"Keep", "Doomed", "Other"}) {
      ObjectAnswers()["Other"] = ObjectAnswers()["Keep"];
      ASSERT_TRUE(runtime::RunAction(1, {name, "Pie", "", "", "", "0", "10", "Arial|0|9|fsBold|0", "5", ""}));
    }
    HWND gaugeWindow = GaugeAt(FindGauge("Doomed")).Handle();
    DestroyWindow(c.wholeObject ? doomed : gaugeWindow);
    EXPECT_FALSE(IsWindow(gaugeWindow));
    EXPECT_EQ(FindGauge("Doomed"), -1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Keep", "Other"}));
    for (int action = 3; action <= 8; ++action)
      EXPECT_FALSE(runtime::RunAction(action, {"DOOMED", "1", "2"})) << "action " << action;
    EXPECT_FALSE(runtime::RunAction(2, {"Doomed"}));
    EXPECT_TRUE(runtime::RunAction(3, {"Other", "10"})) << "the others live on";

    if (!c.wholeObject) {
      ASSERT_TRUE(runtime::RunAction(1, {"Doomed", "", "", "", "", "", "", "", "", ""}));
      EXPECT_EQ(FindGauge("Doomed"), 2) << "a new create works";
      DestroyWindow(GaugeAt(2).Handle());
    }
    runtime::CloseAllGauges();
    EXPECT_EQ(GetWindow(keep, GW_CHILD), nullptr);
    if (!c.wholeObject) DestroyWindow(doomed);
    const tk::GuiObjects after = tk::CountGuiObjects();
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    DestroyWindow(keep);
    objects_.clear();
  }
}

}  // namespace
}  // namespace runtime_test
