#include <gtest/gtest.h>

#include "host/core/options.h"
#include "host/core/text.h"

namespace host {
namespace {

TEST(HostText, Cp1251ToUtf8) {
  struct Case {
    const char* cp1251;
    const char* utf8;
  } cases[] = {
      {"abc", "abc"},
      {"\xD1\xEE\xE7\xE4\xE0\xF2\xFC", "Создать"},
      {"\xC0\xDF\xE0\xFF", "АЯая"},
      {"\xA8\xB8\xB9", "Ёё№"},
      {"\x22Tarvex\x22.", "\"Tarvex\"."},
      {"\x80\x88\x96\x98", "Ђ€–\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) EXPECT_EQ(text::Cp1251ToUtf8(c.cp1251), c.utf8) << c.utf8;
}

TEST(HostText, FoldsAsciiLettersOnly) {
  EXPECT_EQ(text::FoldAscii("Rect_1 AZ\xC0"), "rect_1 az\xC0");
}

TEST(HostOptions, Modes) {
  struct Case {
    std::vector<std::string> args;
    Mode mode;
    bool isolated;
    bool dpiAware = false;
  } cases[] = {
      {{"--plugin", "p.nbp"}, Mode::Interactive, false},
      {{"--plugin", "p.nbp", "--script", "s.tvs", "--isolated"}, Mode::Script, true},
      {{"--isolated", "--list", "--plugin", "p"}, Mode::List, true},
      {{"--help"}, Mode::Help, false},
      {{"--check", "s.tvs"}, Mode::Check, false},
      {{"--plugin", "p", "--script", "s.tvs", "--warnings"}, Mode::Script, false},
      {{"--dpi-aware", "--plugin", "p"}, Mode::Interactive, false, true},
  };
  for (const Case& c : cases) {
    std::string error;
    auto options = ParseOptions(c.args, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->mode, c.mode);
    EXPECT_EQ(options->isolated, c.isolated);
    EXPECT_EQ(options->dpiAware, c.dpiAware);
  }
}

TEST(HostOptions, BadCommandLines) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{}, "--plugin PATH is required"},
      {{"--plugin"}, "--plugin needs a value"},
      {{"--plugin", "p", "--script"}, "--script needs a value"},
      {{"--plugin", "p", "--list", "--script", "s"}, "--list and --script exclude each other"},
      {{"--plugin", "p", "-x"}, "unknown argument \"-x\""},
      {{"--check"}, "--check needs a value"},
      {{"--check", "a.tvs", "--script", "b.tvs"}, "--check runs nothing, so it goes without --script and --list"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseOptions(c.args, error));
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace host
