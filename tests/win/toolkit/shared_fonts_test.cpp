// Fonts are shared by description: one GDI font however many labels show it,
// deleted when the last of them goes.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/font_handle.h"
#include "toolkit/gui_objects.h"
#include "toolkit/label.h"

namespace {

long GdiCount() { return tk::CountGuiObjects().gdi; }

tk::FontRecord Record(const char* name, int height, std::uint8_t style = 0, tk::TColor color = tk::clBlack) {
  tk::FontRecord r;
  r.name = name;
  r.height = height;
  r.style = style;
  r.color = color;
  return r;
}

TEST(SharedFonts, SameDescriptionSameFontOtherwiseAnother) {
  const tk::FontRecord base = Record("Arial", -13);
  struct Case {
    const char* what;
    tk::FontRecord other;
    bool shared;
  } cases[] = {
      {"same record", base, true},
      {"other colour", Record("Arial", -13, 0, tk::clRed), true},
      {"other height", Record("Arial", -14), false},
      {"other style", Record("Arial", -13, tk::fsBold), false},
      {"other face", Record("Tahoma", -13), false},
      {"other charset", [&] { tk::FontRecord r = base; r.charset = 204; return r; }(), false},
  };
  for (const Case& c : cases) {
    tk::FontCache first, second;
    const HFONT a = first.Get(base);
    const HFONT b = second.Get(c.other);
    ASSERT_NE(a, nullptr) << c.what;
    EXPECT_EQ(a == b, c.shared) << c.what;
    EXPECT_EQ(tk::FontTable::Shared().Count(), c.shared ? 1u : 2u) << c.what;
  }
  EXPECT_EQ(tk::FontTable::Shared().Count(), 0u);
}

TEST(SharedFonts, TheQualityIsPartOfTheDescription) {
  const tk::FontRecord r = Record("Arial", -13);
  tk::SharedFont plain = tk::FontTable::Shared().Get(r);
  tk::SharedFont sharp = tk::FontTable::Shared().Get(r, NONANTIALIASED_QUALITY);
  tk::SharedFont again = tk::FontTable::Shared().Get(r);
  EXPECT_NE(plain.get(), sharp.get());
  EXPECT_EQ(plain.get(), again.get());
}

TEST(SharedFonts, ManyLabelsHoldOneFontWhichGoesWithTheLast) {
  const long before = GdiCount();
  std::vector<std::unique_ptr<tk::TLabel>> labels;
  for (int i = 0; i < 25; ++i) {
    labels.push_back(std::make_unique<tk::TLabel>());
    labels.back()->SetFont(Record("Arial", -11));
    labels.back()->SetCaption("Caption " + std::to_string(i));  // measured in the label's font
  }
  EXPECT_EQ(tk::FontTable::Shared().Count(), 1u);
  EXPECT_EQ(GdiCount(), before + 1);
  labels.resize(1);
  EXPECT_EQ(GdiCount(), before + 1) << "one label still shows the font";
  labels.clear();
  EXPECT_EQ(tk::FontTable::Shared().Count(), 0u);
  EXPECT_EQ(GdiCount(), before);
}

TEST(SharedFonts, ALabelThatChangesItsFontLetsTheOldOneGo) {
  const long before = GdiCount();
  tk::TLabel a, b;
  a.SetFont(Record("Arial", -11));
  b.SetFont(Record("Arial", -11));
  a.SetCaption("A");
  b.SetCaption("B");
  EXPECT_EQ(GdiCount(), before + 1);
  a.SetFont(Record("Arial", -20));
  a.AdjustSize();
  EXPECT_EQ(GdiCount(), before + 2) << "b still shows the first font";
  b.SetFont(Record("Arial", -20));
  b.AdjustSize();
  EXPECT_EQ(GdiCount(), before + 1) << "the first font has no holder left";
}

}  // namespace
