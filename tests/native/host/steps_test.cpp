#include <gtest/gtest.h>

#include "host/core/steps.h"
#include "host/core/syntax.h"

namespace host::script {
namespace {

std::vector<std::string> Commands(const std::vector<Line>& lines) {
  std::vector<std::string> out;
  for (const Line& line : lines) out.push_back(line.Command());
  return out;
}

TEST(EditSteps, AnEditTakesItsStepsWhenADialogStepFollows) {
  struct Case {
    const char* text;
    std::vector<std::string> top;    // commands at the top level
    std::vector<std::string> steps;  // the first line's block
  } cases[] = {
      {"edit 5 \"a\"\n  type LEdit1 \"x\"\n  ok\nend\nexpect true", {"edit", "expect"}, {"type", "ok"}},
      // shared commands may come first, as long as a dialog-only step follows
      {"edit 5\n screenshot \"a.png\"\n # note\n\n answer 8 true \"o\"\n click Kn1\n cancel\nend",
       {"edit"},
       {"screenshot", "answer", "click", "cancel"}},
      // a plain edit keeps the old meaning of the lines after it
      {"edit 5 \"a\"\nexpect true\nexpect-param 0 \"a\"", {"edit", "expect", "expect-param"}, {}},
      {"edit 5\nscreenshot \"host.png\"\nexpect true", {"edit", "screenshot", "expect"}, {}},
      // the end closes the repeat, not a block of the edit
      {"repeat 2\n edit 5\n screenshot \"h.png\"\nend", {"repeat"}, {"edit", "screenshot"}},
  };
  for (const Case& c : cases) {
    Script s = Parse(c.text);
    ASSERT_TRUE(s.errors.empty()) << c.text;
    EXPECT_EQ(Commands(s.lines), c.top) << c.text;
    EXPECT_EQ(Commands(s.lines.front().block), c.steps) << c.text;
    EXPECT_TRUE(CheckScript(s).empty()) << c.text;
  }
}

TEST(EditSteps, GoodStepsPass) {
  std::string text = "edit TarvexSetFont \"Bar\" nil\n";
  for (const char* step : {
           "type LEdit1 \"\"", "pick ComboBox1 \"Hide\"", "tick CheckBox1", "click SpeedButton7",
           "expect-field LEdit2 \"0,0,255\"", "expect-ticked CheckBox1 false", "expect-visible Kn2 true",
           "colour-dialog ok 0 128 255", "colour-dialog cancel", "font-dialog cancel",
           "font-dialog ok \"Times New Roman\" 12", "font-dialog ok Arial 8 bold italic underline strikeout",
           "font-dialog ok \"Arial\" 10 colour 800000 bold", "screenshot \"a.png\"", "screenshot \"a.png\" client",
           "answer 14 true \"[V]\"", "wait 100", "echo step", "key LEdit1 F4", "key LEdit2 shift+F4", "close",
       }) {
    text += std::string("  ") + step + "\n";
  }
  Script s = Parse(text + "end\n");
  ASSERT_TRUE(s.errors.empty());
  EXPECT_EQ(s.lines.front().block.size(), 21u);
  for (const Error& e : CheckScript(s)) ADD_FAILURE() << e.line << ": " << e.message;
}

TEST(EditSteps, BadStepsSayWhyAndHowToWriteThem) {
  struct Case {
    const char* step;
    const char* message;
  } cases[] = {
      {"type LEdit1", "too few arguments; usage: type NAME \"text\""},
      {"tick A B", "too many arguments; usage: tick NAME"},
      {"expect-visible A maybe", "expected true|false, found \"maybe\""},
      {"colour-dialog ok 1 2", "too few arguments; usage: colour-dialog ok RED GREEN BLUE"},
      {"colour-dialog ok 1 2 256", "\"256\" is not a colour component 0 to 255"},
      {"colour-dialog cancel 1", "too many arguments; usage: colour-dialog ok RED GREEN BLUE | colour-dialog cancel"},
      {"colour-dialog yes", "expected ok|cancel, found \"yes\""},
      {"font-dialog ok \"Arial\"", "too few arguments; usage: font-dialog ok \"FACE\" SIZE"},
      {"font-dialog ok \"Arial\" big", "\"big\" is not a font size 1 to 999"},
      {"font-dialog ok \"\" 10", "the font dialog needs a face name"},
      {"font-dialog ok Arial 10 heavy", "expected bold, italic, underline, strikeout or colour RRGGBB, found \"heavy\""},
      {"font-dialog ok Arial 10 colour", "found \"colour\" without a colour"},
      {"font-dialog ok Arial 10 colour red", "\"red\" is not a colour RRGGBB"},
      {"screenshot \"a.png\" frame", "expected window|client, found \"frame\""},
      {"ok now", "too many arguments; usage: ok"},
      {"key LEdit1 F5", "expected F4|shift+F4, found \"F5\""},
      {"key LEdit1", "too few arguments; usage: key NAME F4|shift+F4"},
      {"expect-slot 1 \"x\"", "\"expect-slot\" is not a step of a dialog"},
  };
  for (const Case& c : cases) {
    Script s = Parse(std::string("edit 5\n click A\n ") + c.step + "\nend");
    ASSERT_TRUE(s.errors.empty()) << c.step;
    std::vector<Error> errors = CheckScript(s);
    ASSERT_EQ(errors.size(), 1u) << c.step;
    EXPECT_EQ(errors[0].line, 3) << c.step;
    EXPECT_NE(errors[0].message.find(c.message), std::string::npos) << c.step << " said " << errors[0].message;
  }
}

TEST(EditSteps, MisplacedStepsAndBlocksAreFound) {
  struct Case {
    const char* text;
    std::vector<int> lines;
    const char* first;
  } cases[] = {
      {"type LEdit1 \"x\"", {1}, "type is a step inside a dialog: it belongs in the lines after an edit"},
      {"edit 5\n ok\n click A\nend", {3}, "the dialog ends with ok on line 2; no step may follow it"},
      {"edit 5\n click A\n expect true\nend", {3}, "\"expect\" is not a step of a dialog"},
      {"edit 5\n click A\n", {1}, "the block has no end"},
      {"edit", {1}, "too few arguments; usage: edit ACTION \"parameter\" ... (then dialog steps and end"},
      {"expect-slot 1", {1}, "too few arguments; usage: expect-slot SLOT \"text\"|nil"},
  };
  for (const Case& c : cases) {
    std::vector<Error> errors = CheckScript(Parse(c.text));
    std::vector<int> lines;
    for (const Error& e : errors) lines.push_back(e.line);
    EXPECT_EQ(lines, c.lines) << c.text;
    if (!errors.empty()) {
      EXPECT_NE(errors[0].message.find(c.first), std::string::npos) << c.text << " said " << errors[0].message;
    }
  }
}

TEST(EditSteps, FontChoiceReadsEveryWord) {
  std::string error;
  Script s = Parse("x \"Courier New\" 14 strikeout colour 00ff80 italic");
  std::vector<Token> args(s.lines[0].tokens.begin() + 1, s.lines[0].tokens.end());
  std::optional<FontChoice> choice = ParseFontChoice(args, error);
  ASSERT_TRUE(choice) << error;
  EXPECT_EQ(choice->face, "Courier New");
  EXPECT_EQ(choice->size, 14);
  EXPECT_FALSE(choice->bold);
  EXPECT_TRUE(choice->italic);
  EXPECT_FALSE(choice->underline);
  EXPECT_TRUE(choice->strikeout);
  EXPECT_EQ(choice->colour, 0x00FF80u);
}

}  // namespace
}  // namespace host::script
