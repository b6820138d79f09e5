// A control's message filters share the window's procedure chain with other
// parties: what they put in stays, what the window's owner reads stays its,
// and a window destroyed by someone else is let go of.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "tests/win/toolkit/test_form.h"

namespace {

using tktest::TTestForm;

// Another party's subclass: notes the probe message, hands everything on.
constexpr UINT kProbe = WM_APP + 9;
WNDPROC otherPrevious = nullptr;
std::string* otherSeen = nullptr;

LRESULT CALLBACK OtherPartysProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe && otherSeen) *otherSeen += "other ";
  return CallWindowProcW(otherPrevious, hwnd, message, wParam, lParam);
}

LONG_PTR ProcedureOf(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWLP_WNDPROC); }

TEST(Subclassing, AnotherPartysProcedureStaysInTheChainWhenTheFilterGoes) {
  TTestForm form;
  auto& button = form.Get<tk::TButton>("ButtonOK");
  const HWND hwnd = button.Handle();
  const LONG_PTR original = ProcedureOf(hwnd);
  std::string seen;
  otherSeen = &seen;
  auto note = [&seen](UINT m, WPARAM w, LPARAM l, const tk::WinControl::Next& next) {
    if (m == kProbe) seen += "filter ";
    return next(m, w, l);
  };

  int key = button.AddMessageFilter(note);
  otherPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherPartysProc)));
  SendMessageW(hwnd, kProbe, 0, 0);
  EXPECT_EQ(seen, "other filter ");

  // The filter goes: the other party's procedure stays in front, and ours
  // behind it hands on to the button's own.
  button.RemoveMessageFilter(key);
  EXPECT_EQ(ProcedureOf(hwnd), reinterpret_cast<LONG_PTR>(&OtherPartysProc));
  seen.clear();
  SendMessageW(hwnd, kProbe, 0, 0);
  EXPECT_EQ(seen, "other ");
  SendMessageW(hwnd, BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(SendMessageW(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) << "the button still answers as a button";

  // A filter added again joins the chain that is still there.
  key = button.AddMessageFilter(note);
  seen.clear();
  SendMessageW(hwnd, kProbe, 0, 0);
  EXPECT_EQ(seen, "other filter ");

  // The other party leaves the way it came; ours is in front again, and
  // with the last filter the button's own procedure comes back.
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(otherPrevious));
  button.RemoveMessageFilter(key);
  EXPECT_EQ(ProcedureOf(hwnd), original);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
  otherSeen = nullptr;
}

// While a filtered window is made, every window made meanwhile passes the
// creation hook; one whose creation parameter is not a pointer at all (a
// class may pass anything) is left alone.
TEST(Subclassing, TheCreationHookTakesOnlyTheControlsWindow) {
  TTestForm form;
  HWND made = nullptr;
  std::string seen;
  auto fromCreation = [&](UINT m, WPARAM w, LPARAM l, const tk::WinControl::Next& next) {
    if (m == WM_CREATE) {
      seen += "create ";
      made = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form.Handle(), nullptr, nullptr,
                             reinterpret_cast<void*>(1));
    }
    return next(m, w, l);
  };
  tk::TCustomEdit edit(tk::ParentSite{form, form}, WS_EX_CLIENTEDGE, 0, fromCreation);
  ASSERT_TRUE(edit.Handle());
  ASSERT_TRUE(made);
  EXPECT_EQ(seen, "create ");
  EXPECT_EQ(GetWindowLongPtrW(made, GWLP_USERDATA), 0) << "the other window was not taken for the control";
  DestroyWindow(made);
}

// A panel's surface reads its object from the window's user data: no filter
// can stand in front of it, not even through the base class.
template <typename T>
concept TakesFilters = requires(T& control, tk::WinControl::MessageFilter filter) {
  control.AddMessageFilter(filter);
};
static_assert(!TakesFilters<tk::TPanel>);
static_assert(TakesFilters<tk::TButton>);

TEST(Subclassing, APanelTakesNoFilter) {
  TTestForm form;
  auto& panel = form.Get<tk::TPanel>("Panel1");
  const LONG_PTR owner = GetWindowLongPtrW(panel.Handle(), GWLP_USERDATA);
  tk::WinControl& control = panel;
  EXPECT_THROW(control.AddMessageFilter([](UINT m, WPARAM w, LPARAM l, const tk::WinControl::Next& next) {
    return next(m, w, l);
  }),
               std::logic_error);
  EXPECT_EQ(GetWindowLongPtrW(panel.Handle(), GWLP_USERDATA), owner);
  // Its surface still paints as its own.
  RedrawWindow(panel.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// A control whose window someone else destroys holds no handle of it
// afterwards, with or without filters in front of the window.
TEST(Subclassing, AControlLetsGoOfAWindowDestroyedBySomeoneElse) {
  const char* const names[] = {"ButtonCancel", "LEdit1", "TrackBar1", "CheckBox1"};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    TTestForm form;
    auto& control = form.Get<tk::WinControl>(name);
    ASSERT_TRUE(control.Handle());
    DestroyWindow(control.Handle());
    EXPECT_EQ(control.Handle(), nullptr);
  }
}

// A form inside another program's window goes with that window: its
// components let go of their windows, and the form can still be deleted.
TEST(Subclassing, AFormLetsGoOfItsWindowsWhenItsParentIsDestroyed) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(parent);
  auto form = std::make_unique<TTestForm>(nullptr, parent);
  const char* const names[] = {"ButtonOK", "LEdit1", "SpinEdit1", "Panel1", "TrackBar1"};
  for (const char* name : names) ASSERT_TRUE(form->Get<tk::WinControl>(name).Handle()) << name;
  DestroyWindow(parent);
  EXPECT_FALSE(form->HandleAllocated());
  for (const char* name : names) EXPECT_EQ(form->Get<tk::WinControl>(name).Handle(), nullptr) << name;
  form.reset();
}

}  // namespace
