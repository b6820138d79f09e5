#include <gtest/gtest.h>

#include "host/core/action_check.h"

namespace host {
namespace {

// Runs the checker over a script and gives its warnings without the
// FILE:LINE: warning: part, each prefixed with its line number.
std::vector<std::string> Warnings(const std::string& text) {
  std::vector<std::string> out;
  for (const std::string& w : CheckScriptActions(script::Parse(text), "s.tvs")) {
    std::size_t colon = w.find(": warning: ");
    out.push_back(w.substr(std::string("s.tvs:").size(), colon - 6) + " " + w.substr(colon + 11));
  }
  return out;
}

const char* kObjects =
    "object R 0 0 100 20\n"
    "exec TarvexCreate \"R\" \"Needle\" \"0,0,255\" \"\" \"\" \"0\" \"100\" \"Arial|clRed|12|fsBold fsItalic |204\" \"0\" "
    "\"True|False\"\n";

TEST(ActionCheck, CorrectCallsGiveNoWarning) {
  std::string script = std::string(kObjects) +
                       "exec TarvexSetProgress \"r\" \"$FF\"\n"
                       "exec 3 \"R\" \" -5\"\n"
                       "exec TarvexSetValue \"R\" \"\" \"\"\n"
                       "exec TarvexSetColor \"R\" \"10 20 30\" \"\"\n"
                       "exec TarvexSetProgressColor \"R\" nil\n"
                       "exec TarvexSetFont \"R\" \"Times New Roman|$000000FF|10||0\"\n"
                       "exec TarvexSetFont \"R\" \"Arial|clbtnface|10|fsUnderline fsStrikeOut |0\"\n"
                       "exec TarvexSetVisible \"R\" \"Hide\"\n"
                       "set P \"50\"\n"
                       "exec TarvexSetProgress \"R\" \"[P]\"\n"
                       "repeat 3 as i\n"
                       "  exec TarvexSetProgress \"R\" \"[i]x\"\n"
                       "end\n"
                       "exec TarvexDelete \"R\"\n";
  EXPECT_EQ(Warnings(script), std::vector<std::string>{});
}

TEST(ActionCheck, EachMistakeOnceWithItsLine) {
  struct Case {
    const char* line;
    const char* warning;  // a part of the one expected warning
  } cases[] = {
      {"exec TarvexSetProgress \"R\"", "takes 2 parameters (object name, progress), this line gives 1"},
      {"exec TarvexDelete \"R\" \"x\"", "from the second on they are ignored"},
      {"exec TarvexCreate \"R\" \"PIE\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"", "matches \"Pie\" only in another case"},
      {"exec TarvexCreate \"R\" \"Circle\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"", "is none of HorizontalBar"},
      {"exec TarvexSetVisible \"R\" \"HIDE\"", "matches \"Hide\" only in another case"},
      {"exec TarvexSetVisible \"R\" \"\"", "is neither Show nor Hide"},
      {"exec TarvexSetColor \"R\" \"10,20\" \"\"", "cannot be read as red,green,blue"},
      {"exec TarvexSetColor \"R\" \"\" \"clRed\"", "for the font's colour only"},
      {"exec TarvexSetProgressColor \"R\" \"1,2,3,4\"", "only the first three count"},
      {"exec TarvexSetProgressColor \"R\" \"256,0,0\"", "256 lies outside 0 to 255 and counts as 0"},
      {"exec TarvexSetFont \"R\" \"Arial|clRed|12\"", "fewer than the five fields"},
      {"exec TarvexSetFont \"R\" \"Arial|clReddish|12||0\"", "\"clReddish\" is not one of the 52 colour identifiers"},
      {"exec TarvexSetFont \"R\" \"Arial|red|12||0\"", "the colour \"red\" is no colour identifier or number"},
      {"exec TarvexSetFont \"R\" \"Arial|clRed|12pt||0\"", "the size \"12pt\""},
      {"exec TarvexSetFont \"R\" \"Arial|clRed|12||x\"", "the character set \"x\""},
      {"exec TarvexSetFont \"R\" \"Arial|clRed|12|bold|0\"", "the style \"bold\" is none of"},
      {"exec TarvexSetProgress \"R\" \"80 \"", "has a blank after the number"},
      {"exec TarvexSetProgress \"R\" \"eighty\"", "is not a whole number"},
      {"exec TarvexSetProgress \"R\" \"\\x0980\"", "a blank other than a space before the number"},
      {"exec TarvexSetValue \"R\" \"10\" \"5\"", "the minimum 10 is above the maximum 5: the action answers False"},
      {"exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"False|false\"", "the hide-gauge flag \"false\""},
      {"exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"True\"", "have one word, not two"},
      {"exec TarvexSetProgress \"Other\" \"1\"", "no gauge named \"Other\" was created before this line"},
      {"exec TarvexCreate \"Other\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"", "the host has no object named \"Other\""},
      {"exec TarvexSetProgress \"\" \"1\"", "the object name is empty"},
      {"exec TarvexBogus \"R\"", "no Tarvex action is named \"TarvexBogus\""},
      {"exec 9 \"R\"", "no Tarvex action is named \"9\""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got = Warnings(std::string(kObjects) + c.line + "\n");
    ASSERT_EQ(got.size(), 1u) << c.line << (got.empty() ? "" : ": " + got[0]);
    EXPECT_EQ(got[0].substr(0, 2), "3 ") << c.line;
    EXPECT_NE(got[0].find(c.warning), std::string::npos) << c.line << ": " << got[0];
  }
}

TEST(ActionCheck, FollowsGaugesObjectsAndVariables) {
  std::string script = std::string(kObjects) +
                       "exec TarvexDelete \"R\"\n"           // 3
                       "exec TarvexSetProgress \"R\" \"1\"\n"  // 4: removed on line 3
                       "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"\n"
                       "message 2\n"                           // 6
                       "exec TarvexSetVisible \"R\" \"Show\"\n"  // 7: removed on line 6
                       "answer7 Far \"12345\"\n"
                       "exec TarvexCreate \"Far\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"\n"
                       "set Kind \"pie\"\n"
                       "exec TarvexCreate \"Far\" \"[Kind]\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"\n"  // 11
                       "exec TarvexSetProgress \"[Unknown]\" \"[Unknown]\"\n"
                       "destroy-object R\n"
                       "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"\n";  // 14
  std::vector<std::string> got = Warnings(script);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_NE(got[0].find("4 TarvexSetProgress: no gauge named \"R\" is left (it was removed on line 3)"), std::string::npos) << got[0];
  EXPECT_NE(got[1].find("7 TarvexSetVisible: no gauge named \"R\" is left (it was removed on line 6)"), std::string::npos) << got[1];
  EXPECT_NE(got[2].find("11 TarvexCreate: the kind \"pie\""), std::string::npos) << got[2];
  EXPECT_NE(got[3].find("14 TarvexCreate: the host has no object named \"R\""), std::string::npos) << got[3];
}

TEST(ActionCheck, RunTimeLookupGivesTheLoopCounter) {
  ActionChecker checker;
  script::Script s = script::Parse(std::string(kObjects) + "exec TarvexSetProgress \"R\" \"[i] \"\n");
  checker.Feed(s.lines[0]);
  checker.Feed(s.lines[1]);
  auto lookup = [](const std::string& name) -> std::optional<std::string> {
    return name == "i" ? std::optional<std::string>("7") : std::nullopt;
  };
  std::vector<std::string> got = checker.Feed(s.lines[2], lookup);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_NE(got[0].find("the progress \"7 \" has a blank"), std::string::npos) << got[0];
}

}  // namespace
}  // namespace host
