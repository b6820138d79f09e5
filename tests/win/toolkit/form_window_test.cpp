// Where a form's window goes: top-level or inside another program's window,
// layered or not, shown or hidden, and its font's design resolution.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "decor/FormClasses.h"
#include "toolkit/font_handle.h"
#include "toolkit/form.h"

namespace {

struct Probe : tk::TForm {
  Probe() : tk::TForm("TProbe") {}
};

std::string Description(const std::string& properties) {
  return "object Probe: TProbe\n  BorderStyle = bsNone\n  Left = 7\n  Top = 9\n"
         "  ClientWidth = 40\n  ClientHeight = 30\n" +
         properties + "end\n";
}

// A window of someone else's class standing in for the host's object.
class ForeignWindow {
 public:
  ForeignWindow()
      : hwnd_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 150, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}
  ForeignWindow(const ForeignWindow&) = delete;
  ForeignWindow& operator=(const ForeignWindow&) = delete;
  ~ForeignWindow() { DestroyWindow(hwnd_); }
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

constexpr const char* kBoth =
    "  AlphaBlend = True\n  AlphaBlendValue = 0\n"
    "  TransparentColor = True\n  TransparentColorValue = clWhite\n";

TEST(FormWindows, LayeredSettingsApplyToTopLevelFormsOnly) {
  ForeignWindow host;
  ASSERT_NE(host.get(), nullptr);
  const struct {
    const char* what;
    std::string properties;
    bool child;
    bool layered;
    BYTE alpha;
    COLORREF key;
    DWORD flags;
  } cases[] = {
      {"no settings", "", false, false, 0, 0, 0},
      {"alpha", "  AlphaBlend = True\n  AlphaBlendValue = 128\n", false, true, 128, 0, LWA_ALPHA},
      {"colour key", "  TransparentColor = True\n  TransparentColorValue = $00FF00\n", false, true,
       255, RGB(0, 255, 0), LWA_COLORKEY},
      {"both", kBoth, false, true, 0, RGB(255, 255, 255), LWA_ALPHA | LWA_COLORKEY},
      {"values without their switches", "  AlphaBlendValue = 0\n  TransparentColorValue = clRed\n",
       false, false, 0, 0, 0},
      {"a child with both", kBoth, true, false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Probe form;
    if (c.child) form.SetParentWindow(host.get());
    form.Load(Description(c.properties), decor::FormClasses(), nullptr);
    HWND hwnd = form.Handle();
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_EQ((style & WS_CHILD) != 0, c.child);
    EXPECT_EQ((style & WS_POPUP) != 0, !c.child);
    EXPECT_EQ(GetAncestor(hwnd, GA_PARENT) == host.get(), c.child);
    EXPECT_EQ((GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0, c.layered);
    if (!c.layered) continue;
    BYTE alpha = 0;
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(flags, c.flags);
    if (flags & LWA_ALPHA) {
      EXPECT_EQ(alpha, c.alpha);
    }
    if (flags & LWA_COLORKEY) {
      EXPECT_EQ(key, c.key);
    }
  }
}

TEST(FormWindows, ChildSitsAtItsStoredPlaceAndShowsWhenVisible) {
  ForeignWindow host;
  for (bool visible : {false, true}) {
    SCOPED_TRACE(visible);
    Probe form;
    form.SetParentWindow(host.get());
    form.Load(Description(visible ? "  Visible = True\n" : "  Visible = False\n"),
              decor::FormClasses(), nullptr);
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, host.get(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 7);
    EXPECT_EQ(r.top, 9);
    EXPECT_EQ(r.right - r.left, 40) << "no frame";
    EXPECT_EQ(r.bottom - r.top, 30);
    EXPECT_EQ((GetWindowLongW(form.Handle(), GWL_STYLE) & WS_VISIBLE) != 0, visible);
  }
}

TEST(FormWindows, FontHeightIsScaledFromItsDesignResolution) {
  const int screen = tk::ScreenPixelsPerInch();
  const struct {
    std::string properties;
    int height;
  } cases[] = {
      {"  Font.Height = -14\n", -14},
      {"  Font.Height = -14\n  PixelsPerInch = 120\n", tk::MulDivRounded(-14, screen, 120)},
      {"  PixelsPerInch = 120\n  Font.Height = -14\n", tk::MulDivRounded(-14, screen, 120)},
      {"  Font.Height = -14\n  PixelsPerInch = " + std::to_string(screen) + "\n", -14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.properties);
    Probe form;
    form.Load(Description(c.properties), decor::FormClasses(), nullptr);
    EXPECT_EQ(form.Font().height, c.height);
  }
}

}  // namespace

// A gauge window keeps the pixels the host gives it when it is moved to a
// monitor of another resolution; a dialog that follows the screen takes the
// new resolution and the rectangle the system suggests.
TEST(FormWindows, OnlyAFormThatFollowsTheScreenTakesANewResolution) {
  for (bool follows : {false, true}) {
    SCOPED_TRACE(follows ? "follows" : "keeps its pixels");
    Probe form;
    if (follows) form.FollowScreenScaling();
    form.Load(Description(""), decor::FormClasses(), nullptr);
    EXPECT_EQ(form.Scaling().Dpi(), follows ? std::max(96, tk::ScreenPixelsPerInch()) : 96);
    const int dpi = form.Scaling().Dpi() * 2;
    RECT suggested{3, 5, 3 + 100, 5 + 80};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    EXPECT_EQ(r.right - r.left, follows ? 100 : 40);
    EXPECT_EQ(r.bottom - r.top, follows ? 80 : 30);
    EXPECT_EQ(form.Scaling().Dpi(), follows ? dpi : 96);
  }
}
