// The accessible object over the standard one: what a client reads through
// AccessibleObjectFromWindow, what it reads after the owner disconnected,
// and the events it receives.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/accessible_client.h"
#include "tests/support/win_events.h"
#include "toolkit/accessible.h"
#include "toolkit/window.h"

namespace {

// A window whose owner answers what the test sets.
class Probe : public tk::Window, public tk::AccessibleSource {
 public:
  Probe() { CreateHandle(0, WS_POPUP, nullptr, 30, 40, 120, 60); }
  ~Probe() override { server.Disconnect(); }

  std::optional<std::wstring> name, value;
  std::optional<long> role;
  long addState = 0;
  std::optional<RECT> location;
  tk::AccessibleServer server{*this};

  std::optional<std::wstring> AccessibleName() const override { return name; }
  std::optional<long> AccessibleRole() const override { return role; }
  std::optional<std::wstring> AccessibleValue() const override { return value; }
  long AccessibleState(long standard) const override { return standard | addState; }
  std::optional<RECT> AccessibleLocation() const override { return location; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_GETOBJECT)
      if (auto answer = server.OnGetObject(Handle(), wParam, lParam)) return *answer;
    return tk::Window::HandleMessage(message, wParam, lParam);
  }
};

using tarvex::test::SelfChild;

tk::ComRef<IAccessible> FromWindow(HWND hwnd) { return tarvex::test::ClientObjectOf(hwnd); }

std::wstring Text(tarvex::test::TextProperty property, IAccessible* object) {
  return tarvex::test::ReadText(object, property);
}

long Number(tarvex::test::NumberProperty property, IAccessible* object) {
  return tarvex::test::ReadNumber(object, property);
}

class Accessible : public testing::Test {
 protected:
  tk::ComApartment apartment;
};

TEST_F(Accessible, OwnerAnswersReplaceTheStandardOnesForTheWindowItself) {
  ASSERT_TRUE(apartment.Ready());
  Probe probe;
  auto plain = FromWindow(probe.Handle());
  ASSERT_TRUE(plain);
  // Nothing overridden: the standard client object's answers.
  EXPECT_EQ(Number(&IAccessible::get_accRole, plain.get()), ROLE_SYSTEM_CLIENT);
  long x = 0, y = 0, w = 0, h = 0;
  ASSERT_EQ(plain->accLocation(&x, &y, &w, &h, SelfChild()), S_OK);
  EXPECT_EQ(w, 120);
  EXPECT_EQ(h, 60);

  probe.name = L"Rect1 \u0416";
  probe.value = L"60%";
  probe.role = ROLE_SYSTEM_PROGRESSBAR;
  probe.addState = STATE_SYSTEM_READONLY;
  probe.location = RECT{5, 6, 25, 46};
  auto object = FromWindow(probe.Handle());
  ASSERT_TRUE(object);
  EXPECT_EQ(Text(&IAccessible::get_accName, object.get()), L"Rect1 \u0416");
  EXPECT_EQ(Text(&IAccessible::get_accValue, object.get()), L"60%");
  EXPECT_EQ(Number(&IAccessible::get_accRole, object.get()), ROLE_SYSTEM_PROGRESSBAR);
  EXPECT_TRUE(Number(&IAccessible::get_accState, object.get()) & STATE_SYSTEM_READONLY);
  // The window is hidden: the standard state says so and stays.
  EXPECT_TRUE(Number(&IAccessible::get_accState, object.get()) & STATE_SYSTEM_INVISIBLE);
  ASSERT_EQ(object->accLocation(&x, &y, &w, &h, SelfChild()), S_OK);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 6);
  EXPECT_EQ(w, 20);
  EXPECT_EQ(h, 40);

  // The owner's answers are asked at each call.
  probe.value = L"61%";
  EXPECT_EQ(Text(&IAccessible::get_accValue, object.get()), L"61%");

  // One object per window, which tells its window.
  HWND window = nullptr;
  EXPECT_EQ(WindowFromAccessibleObject(object.get(), &window), S_OK);
  EXPECT_EQ(window, probe.Handle());
}

// A late-bound client (a script) reaches the owner's answers too.
TEST_F(Accessible, LateBoundCallsReachTheOwnersAnswers) {
  ASSERT_TRUE(apartment.Ready());
  Probe probe;
  probe.value = L"42%";
  auto object = FromWindow(probe.Handle());
  ASSERT_TRUE(object);
  UINT count = 0;
  ASSERT_EQ(object->GetTypeInfoCount(&count), S_OK);
  ASSERT_EQ(count, 1u);
  LPOLESTR name = const_cast<LPOLESTR>(L"accValue");
  DISPID id = 0;
  ASSERT_EQ(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  EXPECT_EQ(id, DISPID_ACC_VALUE);
  VARIANT self = SelfChild(), result;
  VariantInit(&result);
  DISPPARAMS params{&self, nullptr, 1, 0};
  ASSERT_EQ(object->Invoke(DISPID_ACC_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params,
                           &result, nullptr, nullptr),
            S_OK);
  ASSERT_EQ(result.vt, VT_BSTR);
  EXPECT_EQ(std::wstring(result.bstrVal, SysStringLen(result.bstrVal)), L"42%");
  VariantClear(&result);
}

TEST_F(Accessible, OtherObjectsOfTheWindowAreLeftToTheSystem) {
  ASSERT_TRUE(apartment.Ready());
  Probe probe;
  probe.role = ROLE_SYSTEM_PROGRESSBAR;
  EXPECT_FALSE(probe.server.OnGetObject(probe.Handle(), 0, OBJID_WINDOW));
  EXPECT_FALSE(probe.server.OnGetObject(probe.Handle(), 0, OBJID_VSCROLL));
}

TEST_F(Accessible, AKeptObjectAnswersAnErrorOnceDisconnected) {
  ASSERT_TRUE(apartment.Ready());
  tk::ComRef<IAccessible> kept;
  {
    Probe probe;
    probe.name = L"gone soon";
    kept = FromWindow(probe.Handle());
    ASSERT_TRUE(kept);
    EXPECT_EQ(Text(&IAccessible::get_accName, kept.get()), L"gone soon");
  }  // the owner disconnects, then the window goes
  const VARIANT self = SelfChild();
  BSTR text = nullptr;
  VARIANT v;
  VariantInit(&v);
  long n = 0;
  IDispatch* dispatch = nullptr;
  UINT count = 0;
  const struct {
    const char* call;
    std::function<HRESULT()> run;
  } calls[] = {
      {"get_accName", [&] { return kept->get_accName(self, &text); }},
      {"get_accValue", [&] { return kept->get_accValue(self, &text); }},
      {"get_accDescription", [&] { return kept->get_accDescription(self, &text); }},
      {"get_accRole", [&] { return kept->get_accRole(self, &v); }},
      {"get_accState", [&] { return kept->get_accState(self, &v); }},
      {"accLocation", [&] { return kept->accLocation(&n, &n, &n, &n, self); }},
      {"get_accParent", [&] { return kept->get_accParent(&dispatch); }},
      {"get_accChildCount", [&] { return kept->get_accChildCount(&n); }},
      {"get_accChild", [&] { return kept->get_accChild(self, &dispatch); }},
      {"get_accFocus", [&] { return kept->get_accFocus(&v); }},
      {"accHitTest", [&] { return kept->accHitTest(40, 50, &v); }},
      {"accNavigate", [&] { return kept->accNavigate(NAVDIR_FIRSTCHILD, self, &v); }},
      {"accDoDefaultAction", [&] { return kept->accDoDefaultAction(self); }},
      {"GetTypeInfoCount", [&] { return kept->GetTypeInfoCount(&count); }},
  };
  for (const auto& c : calls) EXPECT_EQ(c.run(), CO_E_OBJNOTCONNECTED) << c.call;
  HWND window = nullptr;
  EXPECT_NE(WindowFromAccessibleObject(kept.get(), &window), S_OK);
}

TEST_F(Accessible, ADisconnectedServerMakesNoNewObject) {
  ASSERT_TRUE(apartment.Ready());
  Probe probe;
  probe.server.Disconnect();
  EXPECT_FALSE(probe.server.OnGetObject(probe.Handle(), 0, OBJID_CLIENT));
  EXPECT_FALSE(probe.server.Object(probe.Handle()));
}

TEST_F(Accessible, ClientEventsReachAnOutOfContextHook) {
  Probe probe;
  tarvex::test::WinEventCounter events(probe.Handle());
  ASSERT_TRUE(events.Hooked());
  tk::NotifyClientEvent(EVENT_OBJECT_VALUECHANGE, probe.Handle());
  tk::NotifyClientEvent(EVENT_OBJECT_VALUECHANGE, probe.Handle());
  tk::NotifyClientEvent(EVENT_OBJECT_HIDE, probe.Handle());
  tk::NotifyClientEvent(EVENT_OBJECT_VALUECHANGE, nullptr);
  EXPECT_EQ(events.Count(EVENT_OBJECT_VALUECHANGE), 2);
  EXPECT_EQ(events.Count(EVENT_OBJECT_HIDE), 1);
  EXPECT_EQ(events.Count(EVENT_OBJECT_SHOW), 0);
}

}  // namespace
