#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/win/toolkit/test_form.h"
#include "toolkit/label.h"
#include "toolkit/visual_styles.h"

namespace {

using tktest::TTestForm;

std::function<void()>* pending = nullptr;

void CALLBACK RunPending(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  if (pending) (*pending)();
}

// Runs the form modally; `act` runs from the modal loop.
int ShowAndAct(tk::TForm& form, std::function<void()> act) {
  pending = &act;
  SetTimer(form.Handle(), 77, 1, &RunPending);
  int result = form.ShowModal();
  pending = nullptr;
  return result;
}

TEST(Forms, ComponentsComeFromTheDescription) {
  TTestForm form;
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
  EXPECT_EQ(form.Caption(), "Test");
  EXPECT_EQ(form.Name, "TestForm");

  auto& edit = form.Get<tk::TLabeledEdit>("LEdit1");
  auto& panel = form.Get<tk::TPanel>("Panel1");
  EXPECT_EQ(GetParent(edit.Handle()), panel.Handle());
  EXPECT_EQ(edit.EditLabel().Caption(), "Name:");
  EXPECT_EQ(edit.EditLabel().Parent(), &panel.Surface());
  EXPECT_EQ(edit.EditLabel().Left(), 5);
  EXPECT_EQ(edit.EditLabel().Top() + edit.EditLabel().Height() + 3, 20) << "label stands above the edit";
  EXPECT_EQ(edit.EditLabel().Font().name, "Arial");

  auto& label = form.Get<tk::TLabel>("Label1");
  EXPECT_EQ(label.Font().height, -11) << "follows the form's font";
  EXPECT_GT(label.Width(), 0) << "sized to its text";

  auto& kn1 = form.Get<tk::TSpeedButton>("Kn1");
  EXPECT_EQ(kn1.Width(), 26);
  EXPECT_EQ(kn1.Glyph().Width(), 26);
  EXPECT_EQ(kn1.Glyph().Height(), 24);

  auto& combo = form.Get<tk::TComboBox>("ComboBox1");
  EXPECT_EQ(combo.ItemCount(), 2);
  EXPECT_EQ(combo.Text(), "") << "nothing selected";
  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Text(), "Hide");

  auto& track = form.Get<tk::TTrackBar>("TrackBar1");
  EXPECT_EQ(track.Position(), 6);
  EXPECT_TRUE(GetWindowLongPtrW(track.Handle(), GWL_STYLE) & TBS_VERT);
  RECT tr{};
  GetWindowRect(track.Handle(), &tr);
  EXPECT_EQ(tr.right - tr.left, 33) << "the component's bounds";
  GetClientRect(track.Handle(), &tr);
  EXPECT_EQ(tr.right - tr.left, 31) << "the track bar inside its one-pixel border";
  EXPECT_EQ(tr.bottom - tr.top, 131);

  EXPECT_THROW(form.Get<tk::TButton>("LEdit1"), tk::form::DescriptionError) << "wrong class";
  EXPECT_THROW(form.Get<tk::TButton>("NoSuch"), tk::form::DescriptionError);
}

// Windows made and destroyed while a form loads, by class.
struct WindowCounts {
  std::map<std::string, int> made, destroyed;
};
WindowCounts* counting = nullptr;

LRESULT CALLBACK CountWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (counting && (code == HCBT_CREATEWND || code == HCBT_DESTROYWND)) {
    char name[64] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
    ++(code == HCBT_CREATEWND ? counting->made : counting->destroyed)[name];
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Every window is made once, already of its stored kind (a combo box's
// Style cannot change after it is made): loading destroys none.
TEST(Forms, LoadingMakesEachWindowOnce) {
  WindowCounts counts;
  counting = &counts;
  HHOOK hook = SetWindowsHookExW(WH_CBT, &CountWindows, nullptr, GetCurrentThreadId());
  {
    TTestForm form;
    UnhookWindowsHookEx(hook);
    counting = nullptr;
    EXPECT_TRUE(counts.destroyed.empty()) << counts.destroyed.begin()->first;
    EXPECT_EQ(counts.made["ComboBox"], 1);
    auto& combo = form.Get<tk::TComboBox>("ComboBox1");
    EXPECT_EQ(GetWindowLongPtrW(combo.Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  }
}

// Windows moved or resized, or whose frame changed, after they were made, by
// class, while a form loads.
std::map<std::string, int>* moving = nullptr;

LRESULT CALLBACK CountMoves(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (moving && code == HC_ACTION && call->message == WM_WINDOWPOSCHANGED) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(call->lParam);
    char name[64] = {};
    GetClassNameA(call->hwnd, name, sizeof name);
    if ((pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) ++(*moving)[name];
    if (pos->flags & SWP_FRAMECHANGED) ++(*moving)[std::string("frame of ") + name];
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A window of a stored description is made where the description puts it,
// with its stored frame: each move of a window costs a trip to the window
// system, and the dialogs open with dozens of them.
TEST(Forms, StoredWindowsAreMadeInPlace) {
  std::map<std::string, int> moves;
  moving = &moves;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &CountMoves, nullptr, GetCurrentThreadId());
  TTestForm form;
  UnhookWindowsHookEx(hook);
  moving = nullptr;
  // The combo box sizes its own parts when it takes its font, and the spin
  // arrows size themselves to their buddy, as any do.
  for (const char* cls : {"Edit", "Button", "Tarvex2.Window", "msctls_trackbar32", "frame of Edit"})
    EXPECT_EQ(moves[cls], 0) << cls;

  // Where they stand: the spin box's edit with its arrows beside it, within the stored bounds.
  auto& spin = form.Get<tk::TSpinEdit>("SpinEdit1");
  auto frameOf = [&](HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const RECT edit = frameOf(spin.Handle());
  const RECT arrows = frameOf(GetWindow(spin.Handle(), GW_HWNDNEXT));
  EXPECT_EQ(edit.left, 96);
  EXPECT_EQ(edit.top, 64);
  EXPECT_EQ(arrows.left, edit.right);
  EXPECT_EQ(arrows.right, 96 + 110);
  EXPECT_EQ(arrows.bottom - arrows.top, 26);
  // An edit stored without a border is made without one; its bevel, measured
  // as the window was made, is inside.
  auto& named = form.Get<tk::TLabeledEdit>("LEdit1");
  EXPECT_FALSE(GetWindowLongPtrW(named.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  RECT client{};
  GetClientRect(named.Handle(), &client);
  EXPECT_EQ(client.right, 135 - 4);
  EXPECT_EQ(client.bottom, 23 - 4);
}

// Filters stand in front of a control's window, the last added first; a
// filter may answer alone, hand on, or remove itself while it answers.
TEST(Forms, MessageFiltersStandInFrontOfTheWindow) {
  TTestForm form;
  auto& button = form.Get<tk::TButton>("ButtonOK");
  const UINT probe = WM_APP + 5;
  std::string seen;
  const int first = button.AddMessageFilter([&](UINT m, WPARAM w, LPARAM l, const tk::WinControl::Next& next) {
    if (m == probe) seen += "first ";
    return next(m, w, l);
  });
  int second = 0;
  second = button.AddMessageFilter([&](UINT m, WPARAM w, LPARAM l, const tk::WinControl::Next& next) {
    if (m != probe) return next(m, w, l);
    seen += "second ";
    if (w == 1) return LRESULT{42};  // answered here, the rest never see it
    if (w == 2) button.RemoveMessageFilter(second);
    return next(m, w, l);
  });
  EXPECT_EQ(SendMessageW(button.Handle(), probe, 0, 0), 0);
  EXPECT_EQ(seen, "second first ");
  seen.clear();
  EXPECT_EQ(SendMessageW(button.Handle(), probe, 1, 0), 42);
  EXPECT_EQ(seen, "second ");
  seen.clear();
  SendMessageW(button.Handle(), probe, 2, 0);
  SendMessageW(button.Handle(), probe, 2, 0);
  EXPECT_EQ(seen, "second first first ") << "removed while it answered";
  button.RemoveMessageFilter(first);
  seen.clear();
  SendMessageW(button.Handle(), probe, 0, 0);
  EXPECT_EQ(seen, "");
  // The button still answers as a button.
  SendMessageW(button.Handle(), BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(SendMessageW(button.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
}

// Notifications find their control through the form's own table: a window
// that only shares a control's id is not taken for it.
TEST(Forms, AWindowWithAComponentsIdIsNotTheComponent) {
  TTestForm form;
  auto& button = form.Get<tk::TButton>("ButtonOK");
  EXPECT_EQ(form.ControlOf(button.Handle()), &button);
  HWND stranger = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, form.Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.ControlId())), nullptr,
                                  nullptr);
  ASSERT_TRUE(stranger);
  EXPECT_EQ(form.ControlOf(stranger), nullptr);
  EXPECT_EQ(form.ControlOf(nullptr), nullptr);
  DestroyWindow(stranger);
}

TEST(Forms, TabOrderFollowsTabOrderPerParent) {
  TTestForm form;
  std::vector<std::string> order;
  HWND first = GetNextDlgTabItem(form.Handle(), nullptr, FALSE);
  HWND h = first;
  do {
    for (const char* name : {"LEdit1", "ComboBox1", "SpinEdit1", "CheckBox1", "TrackBar1",
                             "ButtonOK", "ButtonCancel"}) {
      if (tk::WinControl* c = form.FindComponent(name)->AsWinControl(); c->Handle() == h)
        order.push_back(name);
    }
    h = GetNextDlgTabItem(form.Handle(), h, FALSE);
  } while (h && h != first && order.size() < 20);
  EXPECT_EQ(order, (std::vector<std::string>{"LEdit1", "ComboBox1", "SpinEdit1", "CheckBox1",
                                             "TrackBar1", "ButtonOK", "ButtonCancel"}));
}

TEST(Forms, SpinEditReadsWholeNumbersInItsRange) {
  TTestForm form;
  auto& spin = form.Get<tk::TSpinEdit>("SpinEdit1");
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {{"0", 0},          {"42", 42},        {"-5", 0}, {"abc", 0},
                        {"", 0},           {"12x", 0},        {"1999999999", 1999999999},
                        {"9999999999", 1999999999}};
  for (const Case& c : cases) {
    SetWindowTextA(spin.Handle(), c.text);
    EXPECT_EQ(spin.Value(), c.value) << c.text;
  }
  spin.SetValue(-7);
  EXPECT_EQ(spin.Text(), "0");
}

TEST(Forms, ModalResultComesFromButtonsAndTheCloseBox) {
  struct Case {
    const char* what;
    std::function<void(TTestForm&)> act;
    int result;
  };
  const Case cases[] = {
      {"OK button", [](TTestForm& f) { SendMessageW(f.Get<tk::TButton>("ButtonOK").Handle(), BM_CLICK, 0, 0); }, tk::mrOk},
      {"Cancel button", [](TTestForm& f) { SendMessageW(f.Get<tk::TButton>("ButtonCancel").Handle(), BM_CLICK, 0, 0); }, tk::mrCancel},
      {"close box", [](TTestForm& f) { PostMessageW(f.Handle(), WM_CLOSE, 0, 0); }, tk::mrCancel},
      {"system close command", [](TTestForm& f) { PostMessageW(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }, tk::mrCancel},
      {"Close()", [](TTestForm& f) { f.Close(); }, tk::mrCancel},
      {"Enter in an edit presses the first default button",
       [](TTestForm& f) {
         HWND edit = f.Get<tk::TLabeledEdit>("LEdit1").Handle();
         PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
       },
       tk::mrOk},
      {"Esc without a cancel button then the close box",
       [](TTestForm& f) {
         HWND edit = f.Get<tk::TLabeledEdit>("LEdit1").Handle();
         PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
         PostMessageW(f.Handle(), WM_CLOSE, 0, 0);
       },
       tk::mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTestForm form;
    EXPECT_EQ(ShowAndAct(form, [&] { c.act(form); }), c.result);
    EXPECT_FALSE(IsWindowVisible(form.Handle())) << "hidden after the loop";
  }
}

TEST(Forms, OtherWindowsOfTheThreadAreDisabledWhileModalAndOnlyThoseEnabledAfter) {
  auto topLevel = [](const wchar_t* name, bool enabled) {
    HWND h = CreateWindowExW(0, L"STATIC", name, WS_POPUP | WS_VISIBLE | (enabled ? 0 : WS_DISABLED),
                             0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(h);
    return h;
  };
  for (bool withOwner : {true, false}) {
    SCOPED_TRACE(withOwner ? "owned by a window" : "no owner, no active window");
    HWND owner = topLevel(L"owner", true);
    HWND other = topLevel(L"another window of the host", true);
    HWND disabledBefore = topLevel(L"disabled before", false);
    if (!withOwner) SetActiveWindow(nullptr);
    {
      TTestForm form(withOwner ? owner : nullptr);
      EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), withOwner ? owner : nullptr);
      bool ownerInside = true, otherInside = true, formInside = false;
      ShowAndAct(form, [&] {
        ownerInside = IsWindowEnabled(owner);
        otherInside = IsWindowEnabled(other);
        formInside = IsWindowEnabled(form.Handle());
        form.SetModalResult(tk::mrOk);
      });
      EXPECT_FALSE(ownerInside);
      EXPECT_FALSE(otherInside);
      EXPECT_TRUE(formInside);
      EXPECT_TRUE(IsWindowEnabled(owner));
      EXPECT_TRUE(IsWindowEnabled(other));
      EXPECT_FALSE(IsWindowEnabled(disabledBefore)) << "not ours to enable";
    }
    for (HWND h : {owner, other, disabledBefore}) DestroyWindow(h);
  }
}

TEST(Forms, AnErrorInAHandlerEndsTheLoopAndReachesTheCaller) {
  TTestForm form;
  form.onKn1 = [] { throw std::runtime_error("boom"); };
  auto& kn1 = form.Get<tk::TSpeedButton>("Kn1");
  HWND panel = form.Get<tk::TPanel>("Panel1").Handle();
  LPARAM at = MAKELPARAM(kn1.Left() + 5, kn1.Top() + 5);
  EXPECT_THROW(ShowAndAct(form, [&] {
                 SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, at);
                 SendMessageW(panel, WM_LBUTTONUP, 0, at);
               }),
               std::runtime_error);
  EXPECT_EQ(form.kn1Clicks, 1);
}

TEST(Forms, DescriptionsThatCannotBeBuiltAreLoadErrors) {
  struct Case {
    const char* what;
    std::string text;
    const char* fragment;
  };
  auto wrap = [](const std::string& inner) {
    return "object TestForm: TTestForm\n" + inner + "end\n";
  };
  const Case cases[] = {
      {"other root class", "object X: TOther\nend\n", "TOther"},
      {"unknown class", wrap("  object A: TNoSuchClass\n  end\n"), "TNoSuchClass"},
      {"unknown property", wrap("  object A: TLabel\n    Colour = clRed\n  end\n"), "Colour"},
      {"unknown form property", wrap("  Colour = clRed\n"), "Colour"},
      {"missing handler", wrap("  object A: TButton\n    OnClick = NoSuchClick\n  end\n"), "NoSuchClick"},
      {"bad enum value", wrap("  object A: TComboBox\n    Style = csSimpleList\n  end\n"), "csSimpleList"},
      {"missing picture", wrap("  object A: TImage\n    Picture.Jpeg = 'NO_SUCH'\n  end\n"), "NO_SUCH"},
      {"children in a label", wrap("  object A: TLabel\n    object B: TLabel\n    end\n  end\n"), "cannot hold"},
      {"component the code uses is absent", wrap(""), "LEdit1"},
      {"alpha above 255", wrap("  AlphaBlendValue = 256\n"), "alpha value"},
      {"alpha below 0", wrap("  AlphaBlendValue = -1\n"), "alpha value"},
      {"no design resolution", wrap("  PixelsPerInch = 0\n"), "pixels per inch"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    struct Probe : tk::TForm {
      Probe() : tk::TForm("TTestForm") {}
      tk::HandlerTable Handlers() override { return {{"Kn1Click", [] {}}}; }
      void BindComponents() override { Get<tk::TLabeledEdit>("LEdit1"); }
    } probe;
    try {
      probe.Load(c.text, decor::FormClasses(), nullptr);
      ADD_FAILURE() << "loaded";
    } catch (const tk::form::DescriptionError& e) {
      EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << e.what();
    }
  }
}

TEST(Forms, VisualStylesComeFromTheModulesManifest) {
  EXPECT_TRUE(FindResourceW(tk::ModuleInstance(), MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(24)));
  tk::VisualStylesScope styles;
  EXPECT_TRUE(styles.Active());
  ACTCTX_SECTION_KEYED_DATA data{};
  data.cbSize = sizeof data;
  EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_WINDOW_CLASS_REDIRECTION,
                                       L"Button", &data))
      << "common controls 6.0 redirect the button class";
}

}  // namespace

namespace {

// A form class bound by table, over descriptions given as text.
class TableForm : public tk::TForm {
 public:
  TableForm() : tk::TForm("TTableForm") { BindTables(this, kHandlers, kComponents); }
  void Kn1Click() { ++clicks; }
  int clicks = 0;
  tk::TLabeledEdit* LEdit2 = nullptr;
  tk::TPanel* pnl2 = nullptr;
  tk::TSpeedButton* SpeedButton2 = nullptr;

 private:
  static constexpr tk::HandlerBinding<TableForm> kHandlers[] = {{"Kn1Click", &TableForm::Kn1Click}};
  static inline const tk::ComponentBinding<TableForm> kComponents[] = {
      {"LEdit2", &TableForm::LEdit2}, {"pnl2", &TableForm::pnl2}, {"SpeedButton2", &TableForm::SpeedButton2}};
};

std::string TableFormText(const std::string& inner) {
  return "object TableForm: TTableForm\n  ClientWidth = 400\n  ClientHeight = 200\n" + inner + "end\n";
}

TEST(Forms, StoredFragmentsGiveComponentsWithFlatNames) {
  TableForm form;
  form.Load(TableFormText("  include TestGroup(Panel = pnl1, Top = 8, Edit = LEdit1, Caption = 'Name:', Button = Kn1)\n"
                          "  include TestGroup(Panel = pnl2, Top = 70, Edit = LEdit2, Caption = 'Colour, bg:', Button = SpeedButton2)\n"
                          "  Color = clWhite\n"),
            decor::FormClasses(), nullptr);
  ASSERT_TRUE(form.LEdit2 && form.pnl2 && form.SpeedButton2) << "bound by table";
  EXPECT_EQ(&form.Get<tk::TLabeledEdit>("LEdit1"), &form.Get<tk::TLabeledEdit>("LEdit1"));
  EXPECT_EQ(GetParent(form.LEdit2->Handle()), form.pnl2->Handle()) << "nested as in the fragment";
  EXPECT_EQ(form.pnl2->Top(), 70);
  EXPECT_EQ(form.LEdit2->EditLabel().Caption(), "Colour, bg:");
  EXPECT_EQ(form.SpeedButton2->Left(), 210) << "from the fragment the fragment includes";
  EXPECT_EQ(form.Color(), tk::clWhite) << "written after the include";

  // The fragment's event names the form's handler.
  HWND panel = form.pnl2->Handle();
  LPARAM at = MAKELPARAM(form.SpeedButton2->Left() + 5, form.SpeedButton2->Top() + 5);
  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(panel, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(form.clicks, 1);
}

TEST(Forms, FragmentAndBindingMistakesAreLoadErrors) {
  struct Case {
    const char* what;
    std::string text;
    const char* message;
  };
  const std::string group2 =
      "  include TestGroup(Panel = pnl2, Top = 70, Edit = LEdit2, Caption = 'x', Button = SpeedButton2)\n";
  const Case cases[] = {
      {"fragment not stored", TableFormText("  include NoSuchFragment\n" + group2), "no fragment NoSuchFragment"},
      {"two components of one name", TableFormText(group2 + group2), "a second component named pnl2"},
      {"a value left out", TableFormText("  include TestGroup(Panel = pnl2, Top = 70, Edit = LEdit2, Button = SpeedButton2)\n"),
       "$(Caption)"},
      {"bound component missing", TableFormText("  object pnl2: TPanel\n  end\n"), "LEdit2"},
      {"bound component of another class",
       TableFormText("  include TestGroup(Panel = pnl2, Top = 70, Edit = SpeedButton2, Caption = 'x', Button = LEdit2)\n"),
       "LEdit2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TableForm form;
    try {
      form.Load(c.text, decor::FormClasses(), nullptr);
      ADD_FAILURE() << "loaded";
    } catch (const tk::form::DescriptionError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace

namespace {

TEST(Forms, TheAutomationMessageFindsComponentsByName) {
  TTestForm form;
  wchar_t className[64] = {};
  GetClassNameW(form.Handle(), className, 64);
  EXPECT_EQ(std::wstring(className).rfind(L"Tarvex", 0), 0u) << "told apart from common dialogs";

  UINT find = RegisterWindowMessageA("TarvexFindComponent");
  auto ask = [&](const char* name, RECT* r) {
    return SendMessageA(form.Handle(), find, reinterpret_cast<WPARAM>(name), reinterpret_cast<LPARAM>(r));
  };
  struct Case {
    const char* name;
    HWND window;  // null: windowless
    RECT bounds;
  };
  const Case cases[] = {
      {"LEdit1", form.LEdit1->Handle(), {91 + 5, 8 + 20, 91 + 5 + 135, 8 + 20 + 23}},
      {"Kn1", nullptr, {91 + 150, 8 + 20, 91 + 176, 8 + 44}},
      {"ComboBox1", form.Get<tk::TComboBox>("ComboBox1").Handle(), {91 + 185, 28, 91 + 285, 28 + form.Get<tk::TComboBox>("ComboBox1").Height()}},
      {"SpinEdit1", form.Get<tk::TSpinEdit>("SpinEdit1").Handle(), {96, 64, 206, 90}},
      {"TrackBar1", form.Get<tk::TTrackBar>("TrackBar1").Handle(), {96, 100, 129, 233}},
      {"ButtonOK", form.ButtonOK->Handle(), {91 + 140, 240 + 20, 91 + 215, 240 + 45}},
      {"Label1", nullptr, {95, 244, 95 + form.Get<tk::TLabel>("Label1").Width(), 244 + form.Get<tk::TLabel>("Label1").Height()}},
      {"Shape1", nullptr, {8, 8, 88, 288}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RECT r{-1, -1, -1, -1};
    LRESULT result = ask(c.name, &r);
    EXPECT_EQ(result, c.window ? reinterpret_cast<LRESULT>(c.window) : 1);
    EXPECT_TRUE(EqualRect(&r, &c.bounds)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
  RECT r{1, 1, 1, 1};
  EXPECT_EQ(ask("NoSuch", &r), 0);
  EXPECT_EQ(ask("ledit1", &r), 0) << "names are case-sensitive";

  // Hidden: the component itself, or the panel that holds it.
  form.Get<tk::TLabel>("Label1").SetVisible(false);
  form.Get<tk::TPanel>("Panel1").SetVisible(false);
  const RECT none{};
  for (const char* name : {"Label1", "LEdit1", "Kn1"}) {
    SCOPED_TRACE(name);
    r = RECT{1, 1, 1, 1};
    EXPECT_NE(ask(name, &r), 0);
    EXPECT_TRUE(EqualRect(&r, &none));
  }
}

}  // namespace
