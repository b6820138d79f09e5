// Stored fragments in form descriptions: substitution, nesting, order and
// the mistakes that must name the include line.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "toolkit/core/form_description.h"

namespace tk::form {
namespace {

const std::map<std::string, std::string, std::less<>> kFragments = {
    {"Group",
     "object $(Name): TPanel\n"
     "  Top = $(Top)\n"
     "  object $(Name)Band: TGradient\n"
     "  end\n"
     "  object $(Edit): TLabeledEdit\n"
     "    EditLabel.Caption = $(Caption)\n"
     "  end\n"
     "end\n"},
    {"Plain", "Color = clRed\nobject Extra: TLabel\nend\n"},
    {"Outer", "include Group(Name = $(Name), Top = 5, Edit = LEditX, Caption = 'x')\n"},
    {"Loop", "include Loop\n"},
    {"Unbalanced", "object A: TLabel\n"},
    {"TooManyEnds", "end\n"},
    {"Broken", "Color = \n"},
};

FragmentSource Stored() {
  return [](std::string_view name) -> std::optional<std::string> {
    auto it = kFragments.find(name);
    if (it == kFragments.end()) return std::nullopt;
    return it->second;
  };
}

std::string Form(const std::string& inner) { return "object F: TF\n" + inner + "end\n"; }

TEST(Fragments, ParametersStandWhereValuesStandAndOrderIsKept) {
  ObjectNode root = ParseDescription(
      Form("  Color = clBlue\n"
           "  include Group(Name = pnl2, Top = $71, Edit = LEdit2, Caption = 'Colour, ''bg'':'#13)\n"
           "  include Plain\n"
           "  Color = clGreen\n"),
      Stored());
  ASSERT_EQ(root.children.size(), 2u);
  const ObjectNode& panel = root.children[0];
  EXPECT_EQ(panel.name, "pnl2");
  EXPECT_EQ(panel.line, 3) << "nodes from a fragment carry the include line";
  EXPECT_EQ(panel.Find("Top")->value.AsInt(), 0x71);
  ASSERT_EQ(panel.children.size(), 2u);
  EXPECT_EQ(panel.children[0].name, "pnl2Band") << "a parameter inside a name";
  EXPECT_EQ(panel.children[1].name, "LEdit2");
  EXPECT_EQ(panel.children[1].Find("EditLabel.Caption")->value.AsString(), "Colour, 'bg':\r")
      << "a string value with commas, quotes and bytes is taken as written";
  EXPECT_EQ(root.children[1].name, "Extra");
  ASSERT_EQ(root.properties.size(), 3u);
  EXPECT_EQ(root.properties[0].value.AsIdentifier(), "clBlue");
  EXPECT_EQ(root.properties[1].value.AsIdentifier(), "clRed") << "the fragment's own property";
  EXPECT_EQ(root.properties[2].value.AsIdentifier(), "clGreen") << "written after: applies after";
}

TEST(Fragments, FragmentsIncludeFragmentsWithTheOutersValues) {
  ObjectNode root = ParseDescription(Form("  include Outer(Name = pnlNested)\n"), Stored());
  ASSERT_EQ(root.children.size(), 1u);
  EXPECT_EQ(root.children[0].name, "pnlNested");
  EXPECT_EQ(root.children[0].Find("Top")->value.AsInt(), 5);
  EXPECT_EQ(root.children[0].children[1].name, "LEditX");
}

TEST(Fragments, SetsAndListsAreSingleValues) {
  const std::map<std::string, std::string, std::less<>> own = {
      {"Styled", "object L: TLabel\n  Font.Style = $(Style)\n  Items = $(Items)\nend\n"}};
  ObjectNode root = ParseDescription(
      Form("  include Styled(Style = [fsBold, fsItalic], Items = ('a,b', 'c'))\n"),
      [&](std::string_view name) -> std::optional<std::string> {
        auto it = own.find(name);
        return it == own.end() ? std::nullopt : std::optional<std::string>(it->second);
      });
  const ObjectNode& label = root.children[0];
  EXPECT_EQ(label.Find("Font.Style")->value.AsSet(), (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_EQ(label.Find("Items")->value.AsList(), (std::vector<std::string>{"a,b", "c"}));
}

TEST(Fragments, MistakesNameTheIncludeLine) {
  struct Case {
    const char* what;
    std::string inner;
    const char* message;
  };
  const Case cases[] = {
      {"missing fragment", "  include NoSuch\n", "no fragment NoSuch"},
      {"parameter list left open", "  include Plain(\n", "expected a parameter name"},
      {"value missing for a key", "  include Group(Name = a, Top = 1, Edit = b)\n", "$(Caption)"},
      {"unused parameter", "  include Plain(Colour = clRed)\n", "no parameter Colour"},
      {"a key given twice", "  include Group(Name = a, Name = b, Top = 1, Edit = c, Caption = '')\n", "second value"},
      {"empty value", "  include Group(Name = , Top = 1, Edit = c, Caption = '')\n", "no value for Name"},
      {"unterminated string", "  include Group(Caption = 'abc)\n", "unterminated"},
      {"no closing parenthesis", "  include Group(Name = a\n", "expected ')'"},
      {"text after the include", "  include Plain x\n", "'('"},
      {"fragments including themselves", "  include Loop\n", "too deeply"},
      {"fragment leaves an object open", "  include Unbalanced\n", "missing end of A"},
      {"fragment closes the including object", "  include TooManyEnds\n", "end without object"},
      {"error inside the fragment", "  include Broken\n", "in fragment Broken, line 1"},
      {"component names stay flat and unique",
       "  object Extra: TLabel\n  end\n  include Plain\n", "a second component named Extra"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      ParseDescription(Form(c.inner), Stored());
      ADD_FAILURE() << "read";
    } catch (const DescriptionError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      // The include is the inner text's last line.
      int includeLine = 1 + static_cast<int>(std::count(c.inner.begin(), c.inner.end(), '\n'));
      EXPECT_EQ(e.Line(), includeLine) << e.what();
    }
  }
  EXPECT_THROW(ParseDescription("include Plain\nobject F: TF\nend\n", Stored()), DescriptionError)
      << "outside an object";
  EXPECT_THROW(ParseDescription(Form("  include Plain\n")), DescriptionError)
      << "a description read without fragments";
}

}  // namespace
}  // namespace tk::form
