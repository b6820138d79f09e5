#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decor/FormClasses.h"
#include "decor/LinkLabel.h"
#include "toolkit/form.h"

namespace {

struct ShellCall {
  HWND owner;
  std::string verb, target;
  bool noParameters, noDirectory;
  INT show;
};
std::vector<ShellCall> calls;

HINSTANCE WINAPI RecordShell(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                             LPCSTR directory, INT show) {
  calls.push_back({owner, verb ? verb : "", file ? file : "", parameters == nullptr,
                   directory == nullptr, show});
  return reinterpret_cast<HINSTANCE>(42);
}

class LinkForm : public tk::TForm {
 public:
  LinkForm() : tk::TForm("TLinkForm") {
    Load(
        "object LinkForm: TLinkForm\n"
        "  ClientWidth = 200\n  ClientHeight = 100\n"
        "  object LinkLabel1: TLinkLabel\n    Left = 10\n    Top = 10\n"
        "    OnClick = LinkLabel1Click\n  end\n"
        "end\n",
        decor::FormClasses(), nullptr);
  }
  decor::TLinkLabel& Link() { return Get<decor::TLinkLabel>("LinkLabel1"); }
  int clicks = 0;
  void Press() {
    LPARAM at = MAKELPARAM(Link().Left() + 2, Link().Top() + 2);
    SendMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Handle(), WM_LBUTTONUP, 0, at);
  }

 protected:
  tk::HandlerTable Handlers() override { return {{"LinkLabel1Click", [this] { ++clicks; }}}; }
};

class LinkLabelTest : public testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    decor::SetShellExecuteFunction(&RecordShell);
  }
  void TearDown() override { decor::SetShellExecuteFunction(nullptr); }
};

TEST_F(LinkLabelTest, PressOpensPrefixAndLinkWithTheShell) {
  struct Case {
    decor::TLinkType type;
    const char* link;
    const char* target;
  };
  const Case cases[] = {
      {decor::ltfile, "C:/docs/readme.txt", "file://C:/docs/readme.txt"},
      {decor::ltftp, "ftp.example.org", "ftp://ftp.example.org"},
      {decor::ltgopher, "gopher.example.org", "gopher://gopher.example.org"},
      {decor::lthttp, "www.example.org", "http://www.example.org"},
      {decor::lthttps, "www.example.org", "https://www.example.org"},
      {decor::ltmailto, "someone@example.org", "mailto:someone@example.org"},
      {decor::ltnews, "comp.lang", "news:comp.lang"},
      {decor::lttelnet, "host.example.org", "telnet:host.example.org"},
      {decor::ltwais, "wais.example.org", "wais:wais.example.org"},
      {decor::lthttp, "http://www.example.org", "http://http://www.example.org"},
  };
  for (const Case& c : cases) {
    LinkForm form;
    form.Link().SetLinkType(c.type);
    form.Link().SetHyperLink(c.link);
    calls.clear();
    form.Press();
    ASSERT_EQ(calls.size(), 1u) << c.target;
    EXPECT_EQ(calls[0].target, c.target);
    EXPECT_EQ(calls[0].verb, "Open");
    EXPECT_EQ(calls[0].owner, form.Handle()) << "the label's parent window";
    EXPECT_TRUE(calls[0].noParameters && calls[0].noDirectory);
    EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
    EXPECT_EQ(form.clicks, 0) << "the press raises no click";
  }
}

TEST_F(LinkLabelTest, ANewLabelIsAnUnderlinedBlueHttpLinkWithoutCaption) {
  decor::TLinkLabel label;
  EXPECT_EQ(label.LinkType(), decor::lthttp);
  EXPECT_EQ(label.Font().style, tk::fsUnderline);
  EXPECT_EQ(label.Font().color, tk::clBlue);
  EXPECT_EQ(label.Caption(), "");
  EXPECT_EQ(label.Cursor(), LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));
}

TEST_F(LinkLabelTest, HyperLinkBecomesTheCaptionOnlyWhileItIsEmpty) {
  struct Case {
    const char* caption;
    const char* link;
    const char* shown;
  };
  const Case cases[] = {
      {"", "www.example.org", "www.example.org"},
      {"Home page", "www.example.org", "Home page"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    decor::TLinkLabel label;
    label.SetCaption(c.caption);
    label.SetHyperLink(c.link);
    EXPECT_EQ(label.Caption(), c.shown) << c.caption << " / " << c.link;
    EXPECT_EQ(label.HyperLink(), c.link);
  }
  decor::TLinkLabel label;
  label.SetHyperLink("first.example.org");
  label.SetHyperLink("second.example.org");
  EXPECT_EQ(label.Caption(), "first.example.org") << "the caption is no longer empty";
}

}  // namespace
