#include <gtest/gtest.h>

#include "host/core/script.h"

namespace host::script {
namespace {

std::vector<std::string> Texts(const std::vector<Token>& tokens) {
  std::vector<std::string> out;
  for (const Token& t : tokens) out.push_back((t.quoted ? "q:" : "w:") + t.text);
  return out;
}

TEST(ScriptTokens, QuotesEscapesAndWords) {
  struct Case {
    const char* line;
    std::vector<std::string> tokens;
  } cases[] = {
      {"exec 1 \"Rect 1\" nil", {"w:exec", "w:1", "q:Rect 1", "w:nil"}},
      {"  set\tA   \"x\"  ", {"w:set", "w:A", "q:x"}},
      {"echo \"say \"\"hi\"\"\"", {"w:echo", "q:say \"hi\""}},
      {"echo \"\"", {"w:echo", "q:"}},
      {"echo \"\\xC0\\x1a\"", {"w:echo", "q:\xC0\x1A"}},
      {"echo \"C:\\dir\\x\"", {"w:echo", "q:C:\\dir\\x"}},  // no two hex digits: stays
      {"echo \"\\x4\"", {"w:echo", "q:\\x4"}},
      {"echo \\x41", {"w:echo", "w:\\x41"}},               // words take no escapes
      {"echo \"nil\"", {"w:echo", "q:nil"}},
  };
  for (const Case& c : cases) {
    std::string error;
    auto tokens = Tokenize(c.line, error);
    ASSERT_TRUE(tokens) << c.line << ": " << error;
    EXPECT_EQ(Texts(*tokens), c.tokens) << c.line;
  }
}

TEST(ScriptTokens, BadQuotingIsAnError) {
  for (const char* line : {"echo \"open", "echo \"a\"b", "echo a\"b\"", "echo \"a\"\"",
                           "echo \"\"\""}) {
    std::string error;
    EXPECT_FALSE(Tokenize(line, error)) << line;
    EXPECT_FALSE(error.empty()) << line;
  }
}

TEST(ScriptTokens, NilOnlyWhenUnquoted) {
  std::string error;
  auto tokens = *Tokenize("nil \"nil\" NIL", error);
  EXPECT_TRUE(tokens[0].IsNil());
  EXPECT_FALSE(tokens[1].IsNil());
  EXPECT_FALSE(tokens[2].IsNil());
}

TEST(ScriptParse, SkipsBlanksAndCommentsAndKeepsLineNumbers) {
  Script s = Parse("\xEF\xBB\xBF# title\r\n\r\n  register\r\n\t# note\nexpect true");
  ASSERT_TRUE(s.errors.empty());
  ASSERT_EQ(s.lines.size(), 2u);
  EXPECT_EQ(s.lines[0].number, 3);
  EXPECT_EQ(s.lines[0].Command(), "register");
  EXPECT_EQ(s.lines[1].number, 5);
}

TEST(ScriptParse, BlocksNest) {
  Script s = Parse("repeat 2\n bench \"b\" 3\n  pump\n end\n echo x\nend\nwait 1");
  ASSERT_TRUE(s.errors.empty());
  ASSERT_EQ(s.lines.size(), 2u);
  const Line& repeat = s.lines[0];
  ASSERT_EQ(repeat.block.size(), 2u);
  EXPECT_EQ(repeat.block[0].Command(), "bench");
  ASSERT_EQ(repeat.block[0].block.size(), 1u);
  EXPECT_EQ(repeat.block[0].block[0].number, 3);
  EXPECT_EQ(repeat.block[1].Command(), "echo");
  EXPECT_EQ(s.lines[1].number, 7);
}

TEST(ScriptParse, BlockErrorsNameTheirLines) {
  struct Case {
    const char* text;
    int line;
  } cases[] = {{"pump\nend", 2}, {"repeat 3\npump", 1}, {"repeat 1\nrepeat 2\nend", 1}};
  for (const Case& c : cases) {
    Script s = Parse(c.text);
    ASSERT_EQ(s.errors.size(), 1u) << c.text;
    EXPECT_EQ(s.errors[0].line, c.line) << c.text;
  }
}

// Blocks nested `depth` deep around the inner lines, each opener on a line
// of its own, and a line after them.
std::string NestedBlocks(int depth, const std::string& opener, const std::string& inner = "pump\n") {
  std::string text;
  for (int i = 0; i < depth; ++i) text += opener + "\n";
  text += inner;
  for (int i = 0; i < depth; ++i) text += "end\n";
  return text + "wait 1\n";
}

TEST(ScriptParse, BlocksNestAHundredDeepAndNoDeeper) {
  const std::string editSteps = "edit 2 \"R\"\nok\nend\n";
  struct Case {
    const char* what;
    std::string text;
    std::vector<int> errorLines;
  };
  const Case cases[] = {
      {"a hundred repeats", NestedBlocks(100, "repeat 1"), {}},
      {"a hundred and one repeats", NestedBlocks(101, "repeat 1"), {101}},
      // Would overflow the stack of every recursive reader of the script.
      {"a hundred thousand repeats", NestedBlocks(100000, "repeat 1"), {101}},
      {"edit steps inside 99 benches", NestedBlocks(99, "bench \"b\" 1", editSteps), {}},
      {"edit steps inside a hundred repeats", NestedBlocks(100, "repeat 1", editSteps), {101}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Script s = Parse(c.text);
    std::vector<int> lines;
    for (const Error& e : s.errors) lines.push_back(e.line);
    EXPECT_EQ(lines, c.errorLines);
    // A refused block's ends close only it: the line after the nest stands
    // at the top again.
    ASSERT_FALSE(s.lines.empty());
    EXPECT_EQ(s.lines.back().Command(), "wait");
  }
}

TEST(ScriptParse, HereDocumentTakesRawLinesWithHexEscapes) {
  Script s = Parse("loc-file <<END\n  [Header] \"x\" \nline\\x1A\\x41\r\n\nEND\necho done");
  ASSERT_TRUE(s.errors.empty());
  ASSERT_EQ(s.lines.size(), 2u);
  const Line& loc = s.lines[0];
  EXPECT_TRUE(loc.hasBody);
  EXPECT_EQ(loc.body, (std::vector<std::string>{"  [Header] \"x\" ", "line\x1A" "A", ""}));
  EXPECT_EQ(s.lines[1].number, 6);
}

TEST(ScriptParse, HereDocumentWithoutItsMarkerIsAnError) {
  Script s = Parse("loc-file <<EOF\nabc\n");
  ASSERT_EQ(s.errors.size(), 1u);
  EXPECT_EQ(s.errors[0].line, 1);
  EXPECT_EQ(Parse("loc-file <<\n").errors.size(), 1u);
}

TEST(ScriptSubstitute, KnownNamesOnly) {
  auto lookup = [](const std::string& name) -> std::optional<std::string> {
    if (name == "A") return "1";
    if (name == "Empty") return "";
    return std::nullopt;
  };
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"[A]", "1"},           {"x[A]y[A]", "x1y1"}, {"[Empty]|", "|"},
      {"[B]", "[B]"},         {"[A", "[A"},         {"A]", "A]"},
      {"[[A]]", "[1]"},       {"[x[A]", "[x1"},     {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Substitute(c.in, lookup), c.out) << c.in;
}

}  // namespace
}  // namespace host::script
