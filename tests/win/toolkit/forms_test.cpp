#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

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
  EXPECT_EQ(tr.right - tr.left, 31) << "inside its one-pixel border";

  EXPECT_THROW(form.Get<tk::TButton>("LEdit1"), tk::form::DescriptionError) << "wrong class";
  EXPECT_THROW(form.Get<tk::TButton>("NoSuch"), tk::form::DescriptionError);
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

TEST(Forms, OwnerIsDisabledWhileModalAndEnabledAfter) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  {
    TTestForm form(owner);
    EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), owner);
    bool disabledInside = false;
    ShowAndAct(form, [&] {
      disabledInside = !IsWindowEnabled(owner);
      form.SetModalResult(tk::mrOk);
    });
    EXPECT_TRUE(disabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));
  }
  DestroyWindow(owner);
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
