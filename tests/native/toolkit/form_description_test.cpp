#include "toolkit/core/form_description.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/core/color_names.h"

namespace tk::form {
namespace {

constexpr std::string_view kSmallForm =
    "# a dialog\n"
    "object Form1: TForm1\n"
    "  Caption = 'About'\n"
    "  ClientWidth = 319\n"
    "\n"
    "  object Panel1: TPanel\n"
    "    Color = clBtnFace\n"
    "    object Label1: TLabel\n"
    "      Font.Style = [fsBold, fsItalic]\n"
    "    end\n"
    "  end\n"
    "  object Button1: TButton\n"
    "    OnClick = Button1Click\n"
    "  end\n"
    "end\n";

TEST(FormDescription, NestingAndOrderFollowTheText) {
  ObjectNode root = ParseDescription(kSmallForm);
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.className, "TForm1");
  ASSERT_EQ(root.properties.size(), 2u);
  EXPECT_EQ(root.properties[0].name, "Caption");
  EXPECT_EQ(root.properties[0].value.AsString(), "About");
  EXPECT_EQ(root.properties[1].value.AsInt(), 319);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, "Panel1");
  ASSERT_EQ(root.children[0].children.size(), 1u);
  const ObjectNode& label = root.children[0].children[0];
  EXPECT_EQ(label.className, "TLabel");
  EXPECT_EQ(label.line, 8);
  EXPECT_EQ(label.properties[0].name, "Font.Style");
  EXPECT_EQ(label.properties[0].value.AsSet(), (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_EQ(root.children[1].Find("OnClick")->value.AsIdentifier(), "Button1Click");
  std::vector<std::string> visited;
  ForEachObject(root, [&](const ObjectNode& n) { visited.push_back(n.name); });
  EXPECT_EQ(visited, (std::vector<std::string>{"Form1", "Panel1", "Label1", "Button1"}));
}

ObjectNode WithValue(const std::string& value) {
  return ParseDescription("object F: TF\n  P = " + value + "\nend\n");
}

TEST(FormDescription, ValuesOfEveryKind) {
  struct Case {
    const char* written;
    Value::Kind kind;
    std::int64_t integer;
    std::string text;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"0", Value::Kind::Integer, 0, "", {}},
      {"-21", Value::Kind::Integer, -21, "", {}},
      {"$FF00000F", Value::Kind::Integer, 0xFF00000F, "", {}},
      {"$ff", Value::Kind::Integer, 255, "", {}},
      {"''", Value::Kind::String, 0, "", {}},
      {"'Plugin author:     Oren_T'", Value::Kind::String, 0, "Plugin author:     Oren_T", {}},
      {"'it''s'", Value::Kind::String, 0, "it's", {}},
      {"'a'#13#10'b'", Value::Kind::String, 0, "a\r\nb", {}},
      {"#207#240", Value::Kind::String, 0, "\xCF\xF0", {}},
      {"'\xCF\xF0\xFF'", Value::Kind::String, 0, "\xCF\xF0\xFF", {}},
      {"'# not a comment'", Value::Kind::String, 0, "# not a comment", {}},
      {"bsDialog", Value::Kind::Identifier, 0, "bsDialog", {}},
      {"[]", Value::Kind::Set, 0, "", {}},
      {"[ fsBold ,fsItalic ]", Value::Kind::Set, 0, "", {"fsBold", "fsItalic"}},
      {"('Show', 'Hide')", Value::Kind::List, 0, "", {"Show", "Hide"}},
      {"()", Value::Kind::List, 0, "", {}},
      {"('a b' 'c')", Value::Kind::List, 0, "", {"a b", "c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    Value v = WithValue(c.written).properties.at(0).value;
    EXPECT_EQ(v.kind, c.kind);
    EXPECT_EQ(v.integer, c.integer);
    EXPECT_EQ(v.text, c.text);
    EXPECT_EQ(v.items, c.items);
    EXPECT_EQ(v.line, 2);
  }
}

// Components nested `depth` deep below the form, each on a line of its own.
std::string NestedComponents(int depth) {
  std::string text = "object F: TF\n";
  for (int i = 0; i < depth; ++i) text += "object P" + std::to_string(i) + ": TPanel\n";
  for (int i = 0; i <= depth; ++i) text += "end\n";
  return text;
}

TEST(FormDescription, MalformedTextNamesItsLine) {
  struct Case {
    std::string text;
    int line;
  };
  const Case cases[] = {
      // Deeper nesting is refused rather than walked until the stack runs out.
      {NestedComponents(100), 101},
      {NestedComponents(100000), 101},
      {"", 0},
      {"# only a comment\n", 0},
      {"Caption = 'x'\n", 1},
      {"object F: TF\n", 1},
      {"object F: TF\nend\nend\n", 3},
      {"object F: TF\nend\nobject G: TG\nend\n", 3},
      {"object F TF\nend\n", 1},
      {"object F: TF extra\nend\n", 1},
      {"object F: TF\n  Caption = 'open\nend\n", 2},
      {"object F: TF\n  Caption =\nend\n", 2},
      {"object F: TF\n  Caption 'x'\nend\n", 2},
      {"object F: TF\n  Width = 12 13\nend\n", 2},
      {"object F: TF\n  Width = 99999999999\nend\n", 2},
      {"object F: TF\n  Font.Style = [fsBold\nend\n", 2},
      {"object F: TF\n  Items = ('a', b)\nend\n", 2},
      {"object F: TF\n  Caption = #300\nend\n", 2},
      {"object F: TF\n  object A: TLabel\n  end\n  object A: TLabel\n  end\nend\n", 4},
      {"object F: TF\n  end junk\nend\n", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    try {
      ParseDescription(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const DescriptionError& e) {
      EXPECT_EQ(e.Line(), c.line) << e.what();
    }
  }
}

TEST(FormDescription, NinetyNineNestedComponentsAreRead) {
  const ObjectNode root = ParseDescription(NestedComponents(99));
  int depth = 0;
  for (const ObjectNode* node = &root; !node->children.empty(); node = &node->children.front()) ++depth;
  EXPECT_EQ(depth, 99);
}

TEST(FormDescription, TypedReadsRejectOtherKinds) {
  ObjectNode n = ParseDescription(
      "object F: TF\n  A = 'x'\n  B = 12\n  C = Maybe\n  D = clBtnFace\n  E = $FF000005\n"
      "  G = clNoSuchColour\n  H = -1\n  I = true\nend\n");
  auto value = [&](const char* name) { return n.Find(name)->value; };
  EXPECT_THROW(value("A").AsInt(), DescriptionError);
  EXPECT_THROW(value("B").AsString(), DescriptionError);
  EXPECT_THROW(value("C").AsBool(), DescriptionError);
  EXPECT_TRUE(value("I").AsBool());
  EXPECT_EQ(value("D").AsColor(), clBtnFace);
  EXPECT_EQ(value("E").AsColor(), clWindow);
  EXPECT_EQ(value("H").AsColor(), -1);
  EXPECT_EQ(value("B").AsColor(), 12);
  EXPECT_THROW(value("G").AsColor(), DescriptionError);
  EXPECT_THROW(value("A").AsSet(), DescriptionError);
}

// The one reader of a stored object, as windows are made from it before the
// properties are applied: the last of a name counts (the loader applies them
// in order, so an object's own value written after an include wins),
// True/False are read in any case as the typed read reads them, and a value
// of another kind or out of range reads as nothing.
TEST(StoredObjectReader, LastOfANameCountsAndWordsReadAsTheLoaderReadsThem) {
  struct Case {
    const char* lines;
    std::optional<int> left;
    std::optional<bool> visible;
    std::optional<std::string> style;
  };
  const Case cases[] = {
      {"", std::nullopt, std::nullopt, std::nullopt},
      {"  Left = 5\n  Visible = False\n  Style = csDropDown\n", 5, false, "csDropDown"},
      {"  Left = 5\n  Left = 7\n", 7, std::nullopt, std::nullopt},
      {"  Visible = False\n  Visible = True\n", std::nullopt, true, std::nullopt},
      {"  Style = csDropDown\n  Style = csDropDownList\n", std::nullopt, std::nullopt, "csDropDownList"},
      {"  Visible = false\n", std::nullopt, false, std::nullopt},
      {"  Visible = FALSE\n", std::nullopt, false, std::nullopt},
      {"  Visible = tRUE\n", std::nullopt, true, std::nullopt},
      {"  Visible = Hidden\n", std::nullopt, std::nullopt, std::nullopt},
      {"  Left = 'five'\n  Visible = 0\n  Style = 'csDropDown'\n", std::nullopt, std::nullopt, std::nullopt},
      {"  Left = 5\n  Left = 'five'\n", std::nullopt, std::nullopt, std::nullopt},
      {"  Left = 4294967295\n", std::nullopt, std::nullopt, std::nullopt},
      {"  Left = -2147483648\n", INT32_MIN, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    const ObjectNode node = ParseDescription(std::string("object B: TB\n") + c.lines + "end\n");
    EXPECT_EQ(node.FindInteger("Left"), c.left);
    EXPECT_EQ(node.FindBool("Visible"), c.visible);
    EXPECT_EQ(node.FindIdentifier("Style"), c.style);
  }
}

TEST(ColorNames, StandardAndSystemColours) {
  struct Case {
    const char* name;
    std::optional<TColor> color;
  };
  const Case cases[] = {
      {"clRed", 0x0000FF},       {"clred", 0x0000FF},          {"clBlue", 0xFF0000},
      {"clWhite", 0xFFFFFF},     {"clSkyBlue", 0xF0CAA6},      {"clMedGray", 0xA4A0A0},
      {"clBtnFace", clBtnFace},  {"clWindowText", clWindowText}, {"clBtnText", clBtnText},
      {"clNone", clNone},        {"Red", std::nullopt},        {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorFromName(c.name), c.color) << c.name;
}

}  // namespace
}  // namespace tk::form
