#include "toolkit/core/layout_scale.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/source_descriptions.h"

namespace tk::form {
namespace {

TEST(LayoutScale, LengthsRoundToNearestAndBelowTheDesignNothingChanges) {
  struct Case {
    int dpi, design, scaled;
  } cases[] = {
      {96, 11, 11},   {72, 11, 11},    {0, 11, 11},    {120, 11, 14},  {144, 11, 17},  {144, 3, 5},
      {144, -11, -17}, {144, -13, -20}, {192, 319, 638}, {120, 2, 3},  {168, 1, 2},    {144, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LayoutScale(c.dpi).Length(c.design), c.scaled) << c.dpi << " dpi, " << c.design;
}

TEST(LayoutScale, SpansThatMeetStillMeetAndThinLinesKeepTheirThickness) {
  for (int dpi : {120, 144, 168, 192}) {
    const LayoutScale scale(dpi);
    for (int start = 0; start < 40; ++start) {
      for (int length = 3; length < 20; ++length) {
        // Two spans side by side, scaled each on its own, still meet.
        const int end = scale.Length(start) + scale.Extent(start, length);
        EXPECT_EQ(end, scale.Length(start + length)) << dpi << " " << start << "+" << length;
      }
      EXPECT_EQ(scale.Extent(start, 1), 1);
      EXPECT_EQ(scale.Extent(start, 2), 2);
    }
  }
}

constexpr std::string_view kGroup =
    "object Form1: TForm1\n"
    "  ClientWidth = 524\n"
    "  ClientHeight = 336\n"
    "  Font.Height = -11\n"
    "  Font.Name = 'MS Sans Serif'\n"
    "  object Group: TPanel\n"
    "    Left = 91\n"
    "    Top = 8\n"
    "    Width = 215\n"
    "    Height = 46\n"
    "    object Rule: TGradient\n"
    "      Left = 0\n"
    "      Top = 20\n"
    "      Width = 215\n"
    "      Height = 1\n"
    "    end\n"
    "    object Box: TComboBox\n"
    "      Left = 5\n"
    "      Top = 20\n"
    "      Width = 135\n"
    "      Height = 24\n"
    "      ItemHeight = 16\n"
    "      Font.Height = -13\n"
    "      Font.Name = 'Arial'\n"
    "      Left = 7\n"
    "    end\n"
    "    object Named: TLabel\n"
    "      Caption = 'no place of its own'\n"
    "      Width = Wide\n"
    "    end\n"
    "  end\n"
    "end\n";

int IntOf(const ObjectNode& node, std::string_view name) { return node.FindInteger(name).value_or(-1); }

TEST(LayoutScale, ADescriptionGrowsByItsEdgesInTheFormsCoordinates) {
  ObjectNode root = ParseDescription(kGroup);
  ScaleLayout(root, LayoutScale(144));
  EXPECT_EQ(IntOf(root, "ClientWidth"), 786);
  EXPECT_EQ(IntOf(root, "ClientHeight"), 504);
  EXPECT_EQ(IntOf(root, "Font.Height"), -17);
  // The bitmap face has no sizes that large: its outline twin instead.
  EXPECT_EQ(root.Find("Font.Name")->value.text, "Microsoft Sans Serif");
  const ObjectNode& group = root.children[0];
  EXPECT_EQ(IntOf(group, "Left"), 137);  // 91 * 1.5 = 136.5, rounded away from zero
  EXPECT_EQ(IntOf(group, "Width"), 459 - 137);
  const ObjectNode& rule = group.children[0];
  EXPECT_EQ(IntOf(rule, "Top"), 42 - 12);  // 28 * 1.5 = 42 in the form, the group's top at 12
  EXPECT_EQ(IntOf(rule, "Height"), 1);
  const ObjectNode& box = group.children[1];
  // Of a place written twice, the last counts; both now read the scaled one.
  EXPECT_EQ(IntOf(box, "Left"), 147 - 137);  // 98 * 1.5
  for (const Property& p : box.properties) {
    if (p.name == "Left") { EXPECT_EQ(p.value.integer, 10); }
  }
  EXPECT_EQ(IntOf(box, "Width"), 350 - 147);  // the right edge at 233 * 1.5 = 349.5
  EXPECT_EQ(IntOf(box, "ItemHeight"), 24);
  EXPECT_EQ(IntOf(box, "Font.Height"), -20);
  EXPECT_EQ(box.Find("Font.Name")->value.text, "Arial");
  // A value that is no integer stays for applying it to report.
  EXPECT_EQ(group.children[2].Find("Width")->value.text, "Wide");
}

TEST(LayoutScale, AtTheDesignResolutionTheDescriptionStaysAsWritten) {
  ObjectNode root = ParseDescription(kGroup);
  ScaleLayout(root, LayoutScale(96));
  ObjectNode written = ParseDescription(kGroup);
  std::function<void(const ObjectNode&, const ObjectNode&)> same = [&](const ObjectNode& a, const ObjectNode& b) {
    ASSERT_EQ(a.properties.size(), b.properties.size());
    for (std::size_t i = 0; i < a.properties.size(); ++i)
      EXPECT_EQ(a.properties[i].value.integer, b.properties[i].value.integer) << a.name << "." << a.properties[i].name;
    for (std::size_t i = 0; i < a.properties.size(); ++i) EXPECT_EQ(a.properties[i].value.text, b.properties[i].value.text);
    ASSERT_EQ(a.children.size(), b.children.size());
    for (std::size_t i = 0; i < a.children.size(); ++i) same(a.children[i], b.children[i]);
  };
  same(root, written);
}

// The dialogs as stored: at every scale each component's edges in the form
// are the design's edges scaled (a one- or two-pixel line keeps its
// thickness), so what lined up in the design lines up, and what touched or
// lay inside still does.
struct Box {
  int left, top, right, bottom;
};

void CheckEdges(const ObjectNode& design, const ObjectNode& scaled, const LayoutScale& scale, int dx, int dy, int sx,
                int sy, const std::string& form) {
  ASSERT_EQ(design.children.size(), scaled.children.size());
  for (std::size_t i = 0; i < design.children.size(); ++i) {
    const ObjectNode& d = design.children[i];
    const ObjectNode& s = scaled.children[i];
    const int left = dx + d.FindInteger("Left").value_or(0), top = dy + d.FindInteger("Top").value_or(0);
    const int scaledLeft = sx + s.FindInteger("Left").value_or(0), scaledTop = sy + s.FindInteger("Top").value_or(0);
    const std::string where = form + " " + d.name + " at " + std::to_string(scale.Dpi());
    EXPECT_EQ(scaledLeft, scale.Length(left)) << where;
    EXPECT_EQ(scaledTop, scale.Length(top)) << where;
    for (auto [sizeName, start, scaledStart] : {std::tuple{"Width", left, scaledLeft}, {"Height", top, scaledTop}}) {
      auto size = d.FindInteger(sizeName);
      if (!size) continue;
      const int scaledEnd = scaledStart + *s.FindInteger(sizeName);
      EXPECT_EQ(scaledEnd, *size <= 2 ? scaledStart + *size : scale.Length(start + *size)) << where << " " << sizeName;
    }
    CheckEdges(d, s, scale, left, top, scaledLeft, scaledTop, form);
  }
}

TEST(LayoutScale, TheStoredDialogsKeepTheirEdgesAligned) {
  for (const char* subsystem : {"editors", "decor"}) {
    for (const auto& path : tarvex::test::SourceDescriptions(subsystem)) {
      const ObjectNode design = tarvex::test::ParseSourceDescription(path);
      for (int dpi : {120, 144, 192}) {
        ObjectNode scaled = design;
        ScaleLayout(scaled, LayoutScale(dpi));
        CheckEdges(design, scaled, LayoutScale(dpi), 0, 0, 0, 0, path.filename().string());
        EXPECT_EQ(scaled.FindInteger("ClientWidth"), LayoutScale(dpi).Length(*design.FindInteger("ClientWidth")));
      }
    }
  }
}

}  // namespace
}  // namespace tk::form
