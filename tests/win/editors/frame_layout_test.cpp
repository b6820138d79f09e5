// The frame's elements stand at their design positions in every editor,
// scaled to the screen's resolution: the picture column, the object-name
// group's band, field and object chooser, the footer with the name band and
// both buttons, and the button that Enter presses. A move to a monitor of
// another resolution scales them again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/editors/editor_fixture.h"
#include "toolkit/core/layout_scale.h"
#include "toolkit/font_handle.h"

namespace editors::test {
namespace {

struct Dialog {
  int action;
  const char* name;
  const char* group;  // the object-name group
  int groupTop;
  const char* footer;
  const char* ok;
  const char* cancel;
  int bandLeft;         // GradientLabel in the footer
  bool cancelIsDefault;  // Enter presses Cancel (Cancel comes first)
};

// The frame's measures that the Create editor has of its own.
struct Frame {
  int clientHeight, footerTop, shapeHeight, bannerTop;
  int groupBand, groupEdit, objectChooserLeft, cancelTop;
};
const Frame kPropertyFrame{336, 199, 320, 10, 329, 325, 399, 103};
const Frame kCreateFrame{476, 344, 460, 150, 200, 135, 185, 102};

const Dialog kDialogs[] = {
    {1, "TarvexCreate", "Panel1", 8, "pnl1", "ButtonOK50", "ButtonCancel50", 3, false},
    {2, "TarvexDelete", "Panel1", 42, "pnl1", "ButtonOK50", "ButtonCancel50", 3, false},
    {3, "TarvexSetProgress", "pnl1", 42, "pnl3", "btnOK", "btnCancel", 3, false},
    {5, "TarvexSetColor", "Panel1", 8, "pnl1", "ButtonOK50", "ButtonCancel50", 3, false},
    {6, "TarvexSetProgressColor", "Panel1", 42, "pnl1", "ButtonOK50", "ButtonCancel50", 3, true},
    {8, "TarvexSetVisible", "Panel1", 42, "pnl1", "ButtonOK50", "ButtonCancel50", 2, false},
};

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

std::string Show(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
         "," + std::to_string(r.bottom) + ")";
}

// A design rectangle in the form's client area, scaled by its edges.
RECT Scaled(const RECT& design, const tk::LayoutScale& scale) {
  const int left = scale.Length(design.left), top = scale.Length(design.top);
  return RECT{left, top, left + scale.Extent(design.left, design.right - design.left),
              top + scale.Extent(design.top, design.bottom - design.top)};
}

// The fields' font height in the design.
constexpr int kFieldFontHeight = -13;

struct Element {
  std::string component;
  RECT design;
};

std::vector<Element> FrameElements(const Dialog& d, const Frame& f) {
  const std::string group = d.group;
  return {
      {"Shape1", At(8, 8, 80, f.shapeHeight)},
      {"Image2", At(10, f.bannerTop, 76, 316)},
      {group + "Band", At(91, d.groupTop, f.groupBand, 20)},
      {"LEdit1", At(96, d.groupTop + 20, f.groupEdit, 23)},
      {"Kn1", At(91 + f.objectChooserLeft, d.groupTop + 20, 26, 24)},
      {d.footer, At(91, f.footerTop, 430, 134)},
      {"LabelInfo", At(91 + 9, f.footerTop + 26, 415, 64)},
      {d.ok, At(91 + 272, f.footerTop + 103, 75, 25)},
      {d.cancel, At(91 + 353, f.footerTop + f.cancelTop, 75, 25)},
  };
}

// The client size and every frame element at the scale; the name band is
// as wide as the action's name allows.
void ExpectFrameAt(tk::TForm& form, const Dialog& d, const tk::LayoutScale& scale) {
  const Frame& f = d.action == 1 ? kCreateFrame : kPropertyFrame;
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_NEAR(client.right, scale.Length(524), 1) << scale.Dpi();
  EXPECT_NEAR(client.bottom, scale.Length(f.clientHeight), 1) << scale.Dpi();
  const int band = 15 * static_cast<int>(std::string(d.name).size());
  RECT bandAt = Scaled(At(91 + d.bandLeft, f.footerTop, band, 25), scale);
  bandAt.right = bandAt.left + scale.Length(band);
  std::vector<std::pair<std::string, RECT>> expectations = {{"GradientLabel", bandAt}};
  for (const Element& e : FrameElements(d, f)) expectations.emplace_back(e.component, Scaled(e.design, scale));
  for (const auto& [component, expected] : expectations) {
    const RECT found = BoundsOf(form, component.c_str());
    EXPECT_TRUE(EqualRect(&found, &expected))
        << component << " at " << scale.Dpi() << " dpi: " << Show(found) << " instead of " << Show(expected);
  }
}

TEST(FrameLayout, EveryElementAtItsDesignPositionScaledToTheScreen) {
  const tk::LayoutScale scale(tk::ScreenPixelsPerInch());
  for (const Dialog& d : kDialogs) {
    SCOPED_TRACE(d.name);
    Slots slots({"Rect1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    EditRun run = RunEdit(d.action, slots, [&](tk::TForm& form) {
      ExpectFrameAt(form, d, scale);
      // Enter presses the first default button of the footer.
      HWND expected = reinterpret_cast<HWND>(SendMessageW(
          form.Handle(), tk::FindComponentMessage(),
          reinterpret_cast<WPARAM>(d.cancelIsDefault ? d.cancel : d.ok), 0));
      LRESULT def = SendMessageW(form.Handle(), DM_GETDEFID, 0, 0);
      EXPECT_EQ(HIWORD(def), DC_HASDEFID);
      EXPECT_EQ(LOWORD(def), GetDlgCtrlID(expected));
    });
    EXPECT_TRUE(run.opened);
    EXPECT_FALSE(run.result);
  }
}

// The message a dialog gets when it is moved to a monitor of another
// resolution: the new resolution and the window rectangle the system
// suggests, the same client area grown by the ratio.
void MoveToResolution(tk::TForm& form, int dpi, int clientWidth, int clientHeight) {
  HWND hwnd = form.Handle();
  RECT window{};
  GetWindowRect(hwnd, &window);
  RECT suggested{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  OffsetRect(&suggested, window.left - suggested.left, window.top - suggested.top);
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

int FontHeightOf(tk::TForm& form, const char* component) {
  HWND field = reinterpret_cast<HWND>(
      SendMessageW(form.Handle(), tk::FindComponentMessage(), reinterpret_cast<WPARAM>(component), 0));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

TEST(FrameLayout, AMoveToAnotherResolutionScalesOnceAndBackAgain) {
  const tk::LayoutScale here(tk::ScreenPixelsPerInch());
  const tk::LayoutScale there(here.Dpi() * 2);
  for (const Dialog& d : kDialogs) {
    SCOPED_TRACE(d.name);
    const Frame& f = d.action == 1 ? kCreateFrame : kPropertyFrame;
    Slots slots({"Rect1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    EditRun run = RunEdit(d.action, slots, [&](tk::TForm& form) {
      std::vector<RECT> before;
      for (const Element& e : FrameElements(d, f)) before.push_back(BoundsOf(form, e.component.c_str()));
      const int fontBefore = FontHeightOf(form, "LEdit1");

      MoveToResolution(form, there.Dpi(), there.Length(524), there.Length(f.clientHeight));
      ExpectFrameAt(form, d, there);
      EXPECT_EQ(FontHeightOf(form, "LEdit1"), there.Length(kFieldFontHeight));

      MoveToResolution(form, here.Dpi(), here.Length(524), here.Length(f.clientHeight));
      ExpectFrameAt(form, d, here);
      std::size_t i = 0;
      for (const Element& e : FrameElements(d, f)) {
        const RECT now = BoundsOf(form, e.component.c_str());
        EXPECT_TRUE(EqualRect(&now, &before[i++])) << e.component << " came back at " << Show(now);
      }
      EXPECT_EQ(FontHeightOf(form, "LEdit1"), fontBefore);
    });
    EXPECT_TRUE(run.opened);
  }
}

}  // namespace
}  // namespace editors::test
