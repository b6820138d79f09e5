#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "decor/About.h"
#include "decor/LinkLabel.h"
#include "base/core/author.h"
#include "toolkit/buttons.h"
#include "toolkit/core/layout_scale.h"
#include "toolkit/font_handle.h"
#include "toolkit/graphics.h"
#include "toolkit/label.h"

namespace {

std::function<void()> duringAbout;

void CALLBACK RunDuringAbout(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (duringAbout) duringAbout();
}

// Shows the about box over `owner`; `act` runs inside its modal loop.
void ShowAboutWith(HWND owner, std::function<void()> act) {
  duringAbout = std::move(act);
  if (owner) SetActiveWindow(owner);
  SetTimer(nullptr, 0, 10, &RunDuringAbout);
  about::ShowAboutBox();
  duringAbout = nullptr;
}

BOOL CALLBACK CountPluginWindow(HWND hwnd, LPARAM counter) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  if (std::wstring(name) == L"Tarvex2.Window") ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

int PluginTopLevelWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountPluginWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

class AboutBox : public testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                             200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner_);
  }
  void TearDown() override { DestroyWindow(owner_); }
  HWND owner_ = nullptr;
};

TEST_F(AboutBox, LayoutComesFromItsDescriptionScaledToTheScreen) {
  // The layout grows with the screen's resolution (more than 96 in a prefix
  // made with another LogPixels).
  const tk::LayoutScale scale(tk::ScreenPixelsPerInch());
  const auto px = [&](int design) { return scale.Length(design); };
  // The bitmap face stops growing; scaled, its outline twin is asked for.
  const char* const sansSerif = scale.IsIdentity() ? "MS Sans Serif" : "Microsoft Sans Serif";
  bool ran = false;
  ShowAboutWith(owner_, [&] {
    ran = true;
    about::TAboutBoxForm* form = about::AboutBoxForm;
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), owner_) << "the active window is its parent";
    EXPECT_FALSE(IsWindowEnabled(owner_));
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_NEAR(client.right, px(319), 1);
    EXPECT_NEAR(client.bottom, px(242), 1);
    EXPECT_EQ(form->Caption(), "About");
    EXPECT_EQ(form->Color(), tk::clWhite);

    struct Text {
      const char* name;
      int left, top;
      std::string caption;
      const char* face;
      int height;  // 0: the version's, checked below
      tk::TColor color;
    };
    const Text texts[] = {
        {"Label1", 15, 100, "Plugin author:     Oren_T", "Arial", -12, tk::clWindowText},
        {"Label2", 10, 64, "Version 2.0", "Brush Script MT", 0, tk::clRed},
        {"lbl1", 220, 50, "Free plug-in", "Comic Sans MS", -10, tk::clWindowText},
        {"Label3", 151, 10, "mail: " + std::string(nb::author::kEMail), "Comic Sans MS", -13, tk::clBtnText},
        {"Label4", 32, 168, "Tarvex 2.0   ", "Comic Sans MS", -40, tk::clRed},
        {"LinkLabel1", 212, 30, "www.talvik.ru", sansSerif, -12, tk::clBlue},
    };
    for (const Text& t : texts) {
      auto& label = form->Get<tk::TLabel>(t.name);
      EXPECT_EQ(label.Left(), px(t.left)) << t.name;
      EXPECT_EQ(label.Top(), px(t.top)) << t.name;
      EXPECT_EQ(label.Caption(), t.caption) << t.name;
      EXPECT_EQ(label.Font().name, t.face) << t.name;
      if (t.height != 0) { EXPECT_EQ(label.Font().height, px(t.height)) << t.name; }
      EXPECT_EQ(label.Font().color, t.color) << t.name;
      EXPECT_TRUE(label.Transparent()) << t.name;
    }
    // The version shows whole in its 111 x 33 pixels: in its 27-pixel face
    // where that fits, else (the script face's stand-in is wider) at the
    // largest height that does.
    auto& label2 = form->Get<tk::TLabel>("Label2");
    const int width = scale.Extent(10, 111);
    EXPECT_EQ(label2.Width(), width);
    EXPECT_EQ(label2.Height(), scale.Extent(64, 33));
    EXPECT_LE(label2.TextSize().cx, width);
    const int height = label2.Font().height;
    if (height != px(-27)) {
      tk::FontRecord larger = label2.Font();
      larger.height = height - 1;
      label2.SetFont(larger);
      EXPECT_GT(label2.TextSize().cx, width) << "the version could be " << -larger.height << " pixels high";
    }
    EXPECT_EQ(form->Get<tk::TLabel>("Label4").Font().style, tk::fsBold | tk::fsItalic);
    auto& link = form->Get<decor::TLinkLabel>("LinkLabel1");
    EXPECT_EQ(link.LinkType(), decor::lthttp);
    EXPECT_EQ(decor::LinkTarget(link.LinkType(), link.HyperLink()), std::string(nb::author::kWebSite));
    EXPECT_EQ(link.Font().style, tk::fsUnderline);

    auto& image = form->Get<tk::TImage>("Image1");
    EXPECT_EQ(image.BoundsRect().right, px(8 + 193));
    EXPECT_EQ(image.GetPicture().Width(), 249);
    EXPECT_TRUE(image.Stretch());
    auto& shape = form->Get<tk::TShape>("Shape1");
    EXPECT_EQ(shape.Width(), scale.Extent(5, 309));
    EXPECT_EQ(shape.Height(), scale.Extent(5, 232));

    auto& ok = form->Get<tk::TButton>("Button1");
    EXPECT_EQ(ok.Caption(), "OK");
    EXPECT_EQ(ok.Left(), px(225));
    EXPECT_EQ(ok.Top(), px(90));
    EXPECT_EQ(ok.Width(), scale.Extent(225, 76));
    EXPECT_EQ(ok.Height(), scale.Extent(90, 25));
    EXPECT_EQ(GetNextDlgTabItem(form->Handle(), nullptr, FALSE), ok.Handle());
    form->Button1Click();
  });
  EXPECT_TRUE(ran);
}

TEST_F(AboutBox, TheTextsFitInsideTheOrangeFrame) {
  // Measured with the faces' stand-ins, which have Windows' widths, except
  // Comic Neue: it runs narrower than Comic Sans MS, so its texts keep a
  // fifth of their width spare.
  ShowAboutWith(owner_, [&] {
    about::TAboutBoxForm* form = about::AboutBoxForm;
    ASSERT_NE(form, nullptr);
    auto& shape = form->Get<tk::TShape>("Shape1");
    const int inside = shape.Left() + shape.Width() - 1;  // the frame's right pen
    for (const char* name : {"Label1", "LinkLabel1", "lbl1", "Label3"}) {
      auto& label = form->Get<tk::TLabel>(name);
      ASSERT_TRUE(label.AutoSize()) << name;
      int width = label.Width();
      if (label.Font().name == "Comic Sans MS") width += width / 5;
      EXPECT_LE(label.Left() + width, inside) << name << " \"" << label.Caption() << "\" is " << label.Width()
                                              << " pixels wide";
    }
    form->Button1Click();
  });
}

TEST_F(AboutBox, ClosingByOkOrByTheFrameLeavesNothingBehind) {
  struct Case {
    const char* how;
    std::function<void(about::TAboutBoxForm&)> close;
  };
  const Case cases[] = {
      {"OK", [](about::TAboutBoxForm& f) {
         PostMessageW(f.Get<tk::TButton>("Button1").Handle(), BM_CLICK, 0, 0);
       }},
      {"Enter on the focused OK button", [](about::TAboutBoxForm& f) {
         HWND ok = f.Get<tk::TButton>("Button1").Handle();
         SetFocus(ok);
         PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 1);
       }},
      {"frame", [](about::TAboutBoxForm& f) { PostMessageW(f.Handle(), WM_CLOSE, 0, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    ShowAboutWith(owner_, [&] {
      ASSERT_NE(about::AboutBoxForm, nullptr);
      c.close(*about::AboutBoxForm);
    });
    EXPECT_EQ(about::AboutBoxForm, nullptr);
    EXPECT_EQ(PluginTopLevelWindows(), 0);
    EXPECT_TRUE(IsWindowEnabled(owner_));
  }
}

TEST_F(AboutBox, OpensWithoutAnActiveWindow) {
  SetActiveWindow(nullptr);
  bool ran = false;
  duringAbout = [&] {
    ran = true;
    if (about::AboutBoxForm) about::AboutBoxForm->Button1Click();
  };
  SetTimer(nullptr, 0, 10, &RunDuringAbout);
  about::ShowAboutBox();
  duringAbout = nullptr;
  EXPECT_TRUE(ran);
  EXPECT_EQ(PluginTopLevelWindows(), 0);
}

}  // namespace
