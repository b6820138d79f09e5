// What a screen reader reads of a gauge: the accessible object of its window
// (role, value, name, state, location) and the events the gauge raises,
// driven by the actions as the host runs them.
#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/GaugeList.h"
#include "tests/support/accessible_client.h"
#include "tests/support/win_events.h"
#include "tests/win/runtime/host_fixture.h"
#include "toolkit/com_ref.h"

namespace runtime_test {
namespace {

using runtime::FindGauge;
using runtime::GaugeAt;
using Params = std::vector<std::string>;

using tarvex::test::SelfChild;

// A client's view of one gauge's accessible object.
struct Reader {
  tk::ComRef<IAccessible> object;

  explicit Reader(HWND window) : object(tarvex::test::ClientObjectOf(window)) {}
  std::wstring Value() const { return tarvex::test::ValueOf(object.get()); }
  std::wstring Name() const { return tarvex::test::NameOf(object.get()); }
  long Role() const { return tarvex::test::RoleOf(object.get()); }
  bool Invisible() const { return tarvex::test::StateOf(object.get()) & STATE_SYSTEM_INVISIBLE; }
  RECT Location() const { return tarvex::test::LocationOf(object.get()); }
};

class GaugeAccessibility : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    ASSERT_TRUE(apartment_.Ready());
    ShowWindow(main_, SW_SHOWNA);
    object_ = AddObject("Rect1", 30, 40, 160, 90);
  }
  static HWND GaugeWindow(const std::string& name = "Rect1") {
    int index = FindGauge(name);
    return index < 0 ? nullptr : GaugeAt(index).Handle();
  }

  tk::ComApartment apartment_;
  HWND object_ = nullptr;
};

TEST_F(GaugeAccessibility, EveryKindReadsAsAProgressBarWithItsPercentage) {
  const struct {
    const char* kind;
    const char* flags;  // hide text | hide gauge
    const char* progress;
    const wchar_t* value;
    bool invisible;
  } cases[] = {
      {"HorizontalBar", "False|False", "600", L"60%", false},
      {"VerticalBar", "False|False", "999", L"99%", false},
      {"Pie", "False|False", "1000", L"100%", false},
      {"Needle", "False|False", "5", L"0%", false},
      {"Text", "False|False", "250", L"25%", false},
      {"HorizontalBar", "True|False", "600", L"60%", false},  // text hidden, value still read
      {"Text", "True|False", "330", L"33%", false},
      {"Pie", "False|True", "420", L"42%", true},  // gauge hidden
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " " + c.flags + " " + c.progress);
    ASSERT_TRUE(Run(1, Create("Rect1", {{1, c.kind}, {6, "1000"}, {8, c.progress}, {9, c.flags}})));
    HWND window = GaugeWindow();
    Reader reader(window);
    ASSERT_TRUE(reader.object);
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_PROGRESSBAR);
    EXPECT_EQ(reader.Value(), c.value);
    EXPECT_EQ(reader.Name(), L"Rect1");
    EXPECT_EQ(reader.Invisible(), c.invisible);
    RECT screen{};
    GetWindowRect(window, &screen);
    RECT location = reader.Location();
    EXPECT_TRUE(EqualRect(&location, &screen))
        << location.left << "," << location.top << " " << location.right << "," << location.bottom;
    EXPECT_EQ(location.right - location.left, 160);
    EXPECT_EQ(location.bottom - location.top, 90);
  }
}

TEST_F(GaugeAccessibility, TheNameIsTheObjectsAsTheScriptGaveIt) {
  AddObject("Progress Bar 2", 0, 0, 50, 20);
  ASSERT_TRUE(Run(1, Create("progress bar 2")));
  EXPECT_EQ(Reader(GaugeWindow("Progress Bar 2")).Name(), L"progress bar 2");
}

TEST_F(GaugeAccessibility, TheValueFollowsWithOneEventPerChangeOfTheShownPercentage) {
  ASSERT_TRUE(Run(1, Create("Rect1", {{6, "1000"}, {8, "600"}})));
  HWND window = GaugeWindow();
  Reader reader(window);
  ASSERT_TRUE(reader.object);
  tarvex::test::WinEventCounter events(window);
  ASSERT_TRUE(events.Hooked());
  const struct {
    int action;
    Params params;
    const wchar_t* value;
    int valueEvents;
  } steps[] = {
      {3, {"Rect1", "700"}, L"70%", 1},
      {3, {"Rect1", "705"}, L"70%", 0},  // the stored value moves, the shown one does not
      {3, {"Rect1", "705"}, L"70%", 0},
      {3, {"Rect1", "5000"}, L"100%", 1},  // clamped to the maximum
      {4, {"Rect1", "0", "2000"}, L"50%", 1},  // the range moves the percentage
      {4, {"Rect1", "0", "2001"}, L"49%", 1},
      {4, {"Rect1", "0", "2002"}, L"49%", 0},
      {5, {"Rect1", "255,0,0", "0,0,255"}, L"49%", 0},  // a repaint, not a new value
      {6, {"Rect1", "0,255,0"}, L"49%", 0},
      {7, {"Rect1", "Arial|0|12|fsBold|0"}, L"49%", 0},
      {3, {"Rect1", "abc"}, L"0%", 1},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE("action " + std::to_string(s.action) + " " + s.params.at(1));
    events.Reset();
    EXPECT_TRUE(Run(s.action, s.params));
    EXPECT_EQ(reader.Value(), s.value);
    EXPECT_EQ(events.Count(EVENT_OBJECT_VALUECHANGE), s.valueEvents);
    EXPECT_EQ(events.Count(EVENT_OBJECT_SHOW) + events.Count(EVENT_OBJECT_HIDE), 0);
  }
}

TEST_F(GaugeAccessibility, TenThousandStepsRaiseOneEventPerShownPercent) {
  ASSERT_TRUE(Run(1, Create("Rect1", {{6, "10000"}})));
  HWND window = GaugeWindow();
  Reader reader(window);
  ASSERT_TRUE(reader.object);
  tarvex::test::WinEventCounter events(window);
  events.Reset();  // the paints still due from opening the window come first
  const unsigned paintsBefore = GaugeAt(FindGauge("Rect1")).Gauge()->PaintCount();
  Params step{"Rect1", ""};
  for (int progress = 1; progress <= 10000; ++progress) {
    step[1] = std::to_string(progress);
    ASSERT_TRUE(Run(3, step));
  }
  EXPECT_EQ(events.Count(EVENT_OBJECT_VALUECHANGE), 100);
  EXPECT_EQ(GaugeAt(FindGauge("Rect1")).Gauge()->PaintCount() - paintsBefore, 100u);
  EXPECT_EQ(reader.Value(), L"100%");
}

TEST_F(GaugeAccessibility, HidingAndShowingTheGaugeAreReadAndAnnounced) {
  ASSERT_TRUE(Run(1, Create("Rect1", {{8, "40"}})));
  HWND window = GaugeWindow();
  Reader reader(window);
  ASSERT_TRUE(reader.object);
  tarvex::test::WinEventCounter events(window);
  const struct {
    const char* word;
    bool invisible;
    int hides, shows;
  } steps[] = {
      {"Hide", true, 1, 0},
      {"Hide", true, 0, 0},   // already hidden
      {"HIDE", true, 0, 0},   // not a visibility word: nothing changes
      {"Show", false, 0, 1},
      {"Show", false, 0, 0},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.word);
    events.Reset();
    EXPECT_TRUE(Run(8, {"Rect1", s.word}));
    EXPECT_EQ(reader.Invisible(), s.invisible);
    EXPECT_EQ(events.Count(EVENT_OBJECT_HIDE), s.hides);
    EXPECT_EQ(events.Count(EVENT_OBJECT_SHOW), s.shows);
    EXPECT_EQ(reader.Value(), L"40%");
  }
}

// A client may keep the object as long as it likes; once the gauge is gone
// every call answers an error and touches nothing of it.
TEST_F(GaugeAccessibility, AnObjectKeptPastTheGaugeAnswersAnError) {
  const struct {
    const char* how;
    std::function<void()> end;
  } ends[] = {
      {"TarvexDelete", [] { EXPECT_TRUE(Run(2, {"Rect1"})); }},
      {"a second create of the name", [] { EXPECT_TRUE(Run(1, Create("Rect1"))); }},
      {"the host's message 2", [] { runtime::CloseAllGauges(); }},
      {"the host destroys the object", [this] { DestroyWindow(object_); }},
  };
  for (const auto& e : ends) {
    SCOPED_TRACE(e.how);
    if (!IsWindow(object_)) object_ = AddObject("Rect1", 30, 40, 160, 90);
    ASSERT_TRUE(Run(1, Create("Rect1", {{8, "60"}})));
    Reader reader(GaugeWindow());
    ASSERT_TRUE(reader.object);
    ASSERT_EQ(reader.Value(), L"60%");
    e.end();
    BSTR text = nullptr;
    VARIANT v;
    VariantInit(&v);
    long n = 0;
    IDispatch* parent = nullptr;
    EXPECT_EQ(reader.object->get_accValue(SelfChild(), &text), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(reader.object->get_accName(SelfChild(), &text), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(reader.object->get_accRole(SelfChild(), &v), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(reader.object->get_accState(SelfChild(), &v), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(reader.object->accLocation(&n, &n, &n, &n, SelfChild()), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(reader.object->get_accParent(&parent), CO_E_OBJNOTCONNECTED);
  }
}

}  // namespace
}  // namespace runtime_test
