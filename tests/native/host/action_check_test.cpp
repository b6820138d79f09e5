#include <gtest/gtest.h>

#include <algorithm>

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

// One object with a gauge over it: range 0 to 100, progress 7, shown.
const char* kObjects =
    "object R 0 0 100 20\n"
    "exec TarvexCreate \"R\" \"Needle\" \"0,0,255\" \"\" \"\" \"0\" \"100\" \"Arial|clRed|12|fsBold fsItalic |204\" \"7\" "
    "\"True|False\"\n";

TEST(ActionCheck, CorrectCallsGiveNoWarning) {
  std::string script = std::string(kObjects) +
                       "exec TarvexSetProgress \"r\" \"$3F\"\n"
                       "exec 3 \"R\" \" 42\"\n"
                       "exec TarvexSetValue \"R\" \"\" \"200\"\n"
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
                       "exec TarvexSetValue \"R\" \"\" \"\"\n"
                       "exec TarvexDelete \"R\"\n";
  EXPECT_EQ(Warnings(script), std::vector<std::string>{});
}

// Each line after the gauge of kObjects (and the lines of `before`, if
// any) gives exactly one warning, on its own line.
TEST(ActionCheck, EachMistakeOnceWithItsLine) {
  struct Case {
    const char* before;
    const char* line;
    const char* warning;  // a part of the one expected warning
  } cases[] = {
      {"", "exec TarvexSetProgress \"R\"", "takes 2 parameters (object name, progress), this line gives 1"},
      {"", "exec TarvexDelete \"R\" \"x\"", "from the second on they are ignored"},
      {"", "exec TarvexCreate \"R\" \"PIE\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"", "matches \"Pie\" only in another case"},
      {"", "exec TarvexCreate \"R\" \"Circle\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"", "is none of HorizontalBar"},
      {"", "exec TarvexSetVisible \"R\" \"HIDE\"", "matches \"Hide\" only in another case"},
      {"", "exec TarvexSetVisible \"R\" \"\"", "is neither Show nor Hide"},
      {"", "exec TarvexSetColor \"R\" \"10,20\" \"\"", "cannot be read as red,green,blue"},
      {"", "exec TarvexSetColor \"R\" \"\" \"clRed\"", "for the font's colour only"},
      {"", "exec TarvexSetProgressColor \"R\" \"1,2,3,4\"", "only the first three count"},
      {"", "exec TarvexSetProgressColor \"R\" \"256,0,0\"", "256 lies outside 0 to 255 and counts as 0"},
      {"", "exec TarvexSetFont \"R\" \"Arial|clRed|12\"", "fewer than the five fields"},
      {"", "exec TarvexSetFont \"R\" \"Arial|clReddish|12||0\"", "\"clReddish\" is not one of the 52 colour identifiers"},
      {"", "exec TarvexSetFont \"R\" \"Arial|red|12||0\"", "the colour \"red\" is no colour identifier or number"},
      {"", "exec TarvexSetFont \"R\" \"Arial|clRed|12pt||0\"", "the size \"12pt\""},
      {"", "exec TarvexSetFont \"R\" \"Arial|clRed|12||x\"", "the character set \"x\""},
      {"", "exec TarvexSetFont \"R\" \"Arial|clRed|12|bold|0\"", "the style \"bold\" is none of"},
      {"", "exec TarvexSetProgress \"R\" \"80 \"", "the progress \"80 \" has a blank after the number, so it is not read as a number: 0 is used"},
      {"", "exec TarvexSetProgress \"R\" \"eighty\"", "\"eighty\" is not a whole number (digits, or $ and hexadecimal digits): 0 is used"},
      {"", "exec TarvexSetProgress \"R\" \"\\x0980\"", "a blank other than a space before the number"},
      {"", "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"False|false\"", "the hide-gauge flag \"false\""},
      {"", "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"True\"", "have one word, not two"},
      {"", "exec TarvexSetProgress \"Other\" \"1\"", "no gauge named \"Other\" was created before this line (TarvexCreate): the action answers False"},
      {"", "exec TarvexCreate \"Other\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"", "the host has no object named \"Other\""},
      {"", "exec TarvexSetProgress \"\" \"1\"", "the object name is empty"},
      {"", "exec TarvexBogus \"R\"", "no Tarvex action is named \"TarvexBogus\""},
      {"", "exec 9 \"R\"", "no Tarvex action is named \"9\"; the actions are TarvexCreate"},
      // Crossed ranges, also where an empty or unreadable number's default
      // crosses them: the values the action really uses.
      {"", "exec TarvexSetValue \"R\" \"10\" \"5\"",
       "the minimum 10 is above the maximum 5: a crossed range, so the action answers False and changes nothing"},
      {"", "exec TarvexSetValue \"R\" \"5\" \"\"",
       "the minimum 5 is above the maximum 0 (the maximum is empty, which gives 0, not 100 as in TarvexCreate): "
       "a crossed range, so the action answers False"},
      {"", "exec TarvexSetValue \"R\" \"\" \"-5\"",
       "the minimum 0 is above the maximum -5 (the minimum is empty, which gives 0): a crossed range, so the action "
       "answers False"},
      {"", "exec TarvexSetValue \"R\" \"5\" \"zz\"",
       "(the maximum \"zz\" is not a whole number, which gives 0, not 100 as in TarvexCreate): a crossed range, so "
       "the action answers False"},
      {"", "exec TarvexSetValue \"R\" \"x\" \"-1\"",
       "the minimum 0 is above the maximum -1 (the minimum \"x\" is not a whole number, which gives 0)"},
      {"", "exec TarvexCreate \"R\" \"HorizontalBar\" \"\" \"\" \"\" \"200\" \"\" \"\" \"\" \"\"",
       "the minimum 200 is above the maximum 100 (the maximum is empty, which gives 100): a crossed range, so the "
       "action answers False (the kind and colours are set; the range, font, progress and flags are not)"},
      {"", "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"$10\" \"0x0F\" \"\" \"\" \"\"",
       "the minimum 16 is above the maximum 15: a crossed range, so the action answers False"},
      {"set Max \"5\"\n", "exec TarvexSetValue \"R\" \"6\" \"[Max]\"", "the minimum 6 is above the maximum 5"},
      // The progress is kept inside the range.
      {"", "exec TarvexSetProgress \"R\" \"150\"",
       "the progress 150 lies above the maximum 100: it is kept inside the range, so 100 is used"},
      {"", "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"10\" \"20\" \"\" \"\" \"\"",
       "the progress 0 lies below the minimum 10: it is kept inside the range, so 10 is used"},
      // Actions that change nothing.
      {"", "exec TarvexSetProgress \"R\" \"7\"", "the progress is already 7: the action changes nothing"},
      {"exec TarvexSetProgress \"R\" \"100\"\n", "exec TarvexSetProgress \"R\" \"1000\"",
       "the progress 1000 lies above the maximum 100, so it is kept at 100, where it already is: the action changes "
       "nothing"},
      {"", "exec TarvexSetValue \"R\" \"0\" \"$64\"", "the range is already 0 to 100: the action changes nothing"},
      {"exec TarvexSetValue \"R\" \"10\" \"20\"\n", "exec TarvexSetProgress \"R\" \"10\"",
       "the progress is already 10"},  // the new range moved it up
      {"", "exec TarvexSetVisible \"R\" \"Show\"", "the gauge is already shown: the action changes nothing"},
      {"exec TarvexSetVisible \"R\" \"Hide\"\n", "exec TarvexSetVisible \"R\" \"Hide\"", "the gauge is already hidden"},
      {"", "exec TarvexSetFont \"R\" \"\"", "the font is empty: the action changes nothing"},
      // What the host answers for the object's window.
      {"answer7 R \"abc\"\n", "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"",
       "the host's answer for the object's window, \"abc\" (answer7), is no number: the action answers False"},
      {"answer7 R \"0\"\n", "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"",
       "the host answers 0 for the object's window (answer7): the action answers True but shows nothing"},
      {"answer7 R \"1\"\n", "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"",
       "the host's answer for the object's window, \"1\" (answer7), is a number that names no window: the action "
       "answers False"},
      {"unregister-interface\n", "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"",
       "not been given the host's interface (unregister-interface on line 3)"},
      {"destroy-plugin-window R\n", "exec TarvexSetProgress \"R\" \"1\"",
       "no gauge named \"R\" is left (it was removed on line 3): the action answers False"},
      {"answer7 R \"abc\"\n", "exec TarvexSetProgress \"R\" \"1\"", ""},  // an answer matters only to TarvexCreate
  };
  for (const Case& c : cases) {
    std::string script = std::string(kObjects) + c.before + c.line + "\n";
    std::vector<std::string> got = Warnings(script);
    std::string last = std::to_string(std::count(script.begin(), script.end(), '\n')) + " ";
    if (!*c.warning) {
      EXPECT_EQ(got, std::vector<std::string>{}) << c.line;
      continue;
    }
    ASSERT_EQ(got.size(), 1u) << c.line << (got.empty() ? "" : ": " + got[0]);
    EXPECT_EQ(got[0].substr(0, last.size()), last) << c.line;
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
                       "object Far 0 0 10 10\n"
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

// Unloading the plug-in takes its gauges; loading it again makes the
// start-up calls, the interface's among them.
TEST(ActionCheck, UnloadTakesTheGaugesAndLoadStartsAgain) {
  std::string script = std::string(kObjects) +
                       "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"\n"  // 3
                       "unregister-interface\n"
                       "unload\n"                                // 5
                       "load\n"
                       "exec TarvexSetProgress \"R\" \"1\"\n"  // 7: removed on line 5
                       "exec TarvexCreate \"R\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\"\n";
  std::vector<std::string> got = Warnings(script);
  ASSERT_EQ(got.size(), 1u) << (got.empty() ? "" : got.back());
  EXPECT_NE(got[0].find("7 TarvexSetProgress: no gauge named \"R\" is left (it was removed on line 5)"),
            std::string::npos)
      << got[0];
}

// A loop's second run starts where its first ended: what the block changes
// is not known inside it, what it leaves alone still is.
TEST(ActionCheck, LoopsKeepOnlyWhatTheirBlockLeavesAlone) {
  std::string script = std::string(kObjects) +
                       "repeat 3\n"                                 // 3
                       "  exec TarvexSetProgress \"R\" \"50\"\n"      // 4: 7, then 50: not judged
                       "  exec TarvexSetProgress \"R\" \"500\"\n"     // 5: the range is still 0 to 100
                       "end\n"
                       "exec TarvexSetProgress \"R\" \"100\"\n"       // 7: already 100
                       "bench \"b\" 2\n"                            // 8
                       "  exec TarvexSetValue \"R\" \"0\" \"10\"\n"   // 9: 0 to 100, then 0 to 10
                       "  exec TarvexSetProgress \"R\" \"50\"\n"      // 10: kept at 10 in either run
                       "end\n";
  std::vector<std::string> got = Warnings(script);
  ASSERT_EQ(got.size(), 3u) << ::testing::PrintToString(got);
  EXPECT_NE(got[0].find("5 TarvexSetProgress: the progress 500 lies above the maximum 100: it is kept inside"),
            std::string::npos) << got[0];
  EXPECT_NE(got[1].find("7 TarvexSetProgress: the progress is already 100"), std::string::npos) << got[1];
  EXPECT_NE(got[2].find("10 TarvexSetProgress: the progress 50 lies above the maximum 10"), std::string::npos)
      << got[2];
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
