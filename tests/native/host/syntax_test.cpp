#include <gtest/gtest.h>

#include "host/core/syntax.h"

namespace host::script {
namespace {

std::optional<std::string> Check(const char* text, bool first = false) {
  Script s = Parse(std::string(text) + (std::string(text).starts_with("repeat") ? "\nend" : ""));
  EXPECT_TRUE(s.errors.empty()) << text;
  return CheckLine(s.lines.at(0), first);
}

TEST(ScriptSyntax, GoodLines) {
  for (const char* line : {
           "register", "expect-actions 8", "expect-action 3 \"Name\" \"d\\xE0\" \"13\"",
           "object Rect1 10 20 100 -5", "object \"Rect 1\" 0 0 1 1", "answer7 R default",
           "answer7 R \"12\"", "answer 14 false \"\"", "exec 1", "exec TarvexCreate nil \"x\" y",
           "exec -1 \"a\"", "edit 9 nil", "expect-param 0 nil", "expect-param 2 \"t\"",
           "expect true", "expect-pixel 0 0 ff00FF", "expect-plugin-window R size 10 20",
           "expect-plugin-window R hidden", "expect-gdi-flat", "expect-gdi-flat 2",
           "about close-with frame", "about close-with ok screenshot \"a.png\"", "dialog close-with cancel", "loc-file none",
           "echo", "echo a \"b\" nil", "bench \"x\" 10", "post R +5",
           "repeat 3", "repeat 251 as i", "warnings on", "warnings off", "expect-gauge R hidden",
       }) {
    Script s = Parse(std::string(line) + (std::string(line).starts_with("bench") || std::string(line).starts_with("repeat") ? "\nend" : ""));
    ASSERT_TRUE(s.errors.empty()) << line;
    EXPECT_EQ(CheckLine(s.lines.at(0), false), std::nullopt) << line;
  }
}

TEST(ScriptSyntax, BadLinesSayWhy) {
  struct Case {
    const char* line;
    const char* message;
  } cases[] = {
      {"regster", "unknown command \"regster\""},
      {"\"register\"", "unknown command \"register\""},
      {"register now", "too many arguments; usage: register"},
      {"expect-actions", "too few arguments; usage: expect-actions COUNT"},
      {"object R 1 2 3", "too few arguments; usage: object NAME X Y WIDTH HEIGHT"},
      {"exec", "too few arguments; usage: exec ACTION \"parameter\" ... (ACTION: a name such as TarvexCreate, or its number)"},
      {"repeat 3 as", "as needs a name; usage: repeat COUNT [as NAME] ... end"},
      {"repeat 3 for i", "expected as, found \"for\""},
      {"repeat 3 as \"i\"", "the loop counter's name i must be a plain word, used as [i]"},
      {"warnings maybe", "expected on|off, found \"maybe\""},
      {"expect-gauge R visible", "expected shown|hidden, found \"visible\""},
      {"expect-actions eight", "\"eight\" is not an integer"},
      {"expect-actions 99999999999", "\"99999999999\" is not an integer"},
      {"expect yes", "expected true|false, found \"yes\""},
      {"expect \"true\"", "expected true|false, found \"true\""},
      {"answer 9 true \"x\"", "expected 8|14, found \"9\""},
      {"expect-pixel 1 1 FF00F", "\"FF00F\" is not a colour RRGGBB"},
      {"expect-pixel 1 1 GG0000", "\"GG0000\" is not a colour RRGGBB"},
      {"object nil 1 2 3 4", "nil is not allowed here"},
      {"expect-plugin-window R size 10", "size needs a width and a height"},
      {"expect-plugin-window R visible 3", "too many arguments"},
      {"init-twice-check 2", "too many arguments; usage: init-twice-check"},
      {"fpu 53 64", "too many arguments; usage: fpu 53|64"},
      {"about close-with cancel", "expected ok|frame, found \"cancel\""},
      {"about close-with ok screenshot", "screenshot needs a file name"},
      {"about close-with ok picture \"a.png\"", "expected screenshot, found \"picture\""},
      {"loc-file \"x\"", "expected none, found \"x\""},
      {"no-auto-start", "no-auto-start must be the first command"},
  };
  for (const Case& c : cases) EXPECT_EQ(Check(c.line), c.message) << c.line;
  EXPECT_EQ(Check("no-auto-start", true), std::nullopt);
}

TEST(ScriptSyntax, WholeScriptErrorsInLineOrder) {
  Script s = Parse("no-auto-start\nrepeat 2\n  bogus\nend\nexpect maybe\nend\n\"open");
  std::vector<Error> errors = CheckScript(s);
  std::vector<int> lines;
  for (const Error& e : errors) lines.push_back(e.line);
  EXPECT_EQ(lines, (std::vector<int>{3, 5, 6, 7}));
}

TEST(ScriptSyntax, Numbers) {
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInteger("1e3"), std::nullopt);
  EXPECT_EQ(ParseInteger("-"), std::nullopt);
  EXPECT_EQ(ParseInteger(""), std::nullopt);
  EXPECT_EQ(ParseRgb("00ff80"), 0x00FF80u);
}

}  // namespace
}  // namespace host::script
