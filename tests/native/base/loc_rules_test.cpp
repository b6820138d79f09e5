#include "base/core/loc_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

using nb::loc::HeaderLines;

// A string of every byte of the literal, NULs included.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::string ValidHeader(const char* lineEnd = "\r\n") {
  std::string header;
  for (const auto& line : HeaderLines()) header += line + lineEnd;
  return header;
}

TEST(LocLineMatch, ComparesTheFirstFourCharactersIgnoringAsciiCaseOnly) {
  struct Case {
    const char* line;
    const char* key;
    bool matches;
  };
  const Case cases[] = {
      {"012*text", "012*", true},
      {"012*", "012*", true},          // nothing after the key
      {"012", "012*", false},          // too short to hold a key
      {"", "012*", false},
      {"12*text", "012*", false},      // two digits and the asterisk
      {"012 text", "012*", false},
      {" 012*text", "012*", false},    // no trimming
      {"abc*x", "ABC*", true},         // A to Z fold
      {"ABC*x", "abc*", true},
      {"\xE0\xE1\xE2*x", "\xC0\xC1\xC2*", false},  // Cyrillic letters do not fold
      {"@[`{x", "`{@[", false},        // neighbours of the letter ranges stay apart
      {"012*x", "012", false},         // a key of another length never equals four characters
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.line) + " / " + c.key);
    EXPECT_EQ(nb::loc::LineMatchesKey(c.line, c.key), c.matches);
  }
}

TEST(LocLines, EndAtCrLfOrCrLf) {
  struct Case {
    std::string content;
    std::vector<std::string_view> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},     // LF then CR: two line ends
      {"\r\n", {""}},
      {"a\r\r\nb", {"a", "", "b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.content));
    EXPECT_EQ(nb::loc::SplitLines(c.content), c.lines);
  }
}

TEST(LocLookup, FindsTheFirstMatchingLineAndCutsItsText) {
  const std::string longText(300, 'x');
  struct Case {
    const char* what;
    std::string content;
    bool exists;
    std::string text;
  };
  const Case cases[] = {
      {"CR LF", ValidHeader() + "011*Hide\r\n012*Create\r\n", true, "Create"},
      {"LF", "011*Hide\n012*Create\n", true, "Create"},
      {"CR", "011*Hide\r012*Create\r", true, "Create"},
      {"last line unterminated", "011*Hide\r\n012*Create", true, "Create"},
      {"first match wins", "012*first\r\n012*second\r\n", true, "first"},
      {"key case ignored", "012*a\r\n", true, "a"},
      {"blank kept as first character", "012* Create \r\n", true, " Create "},
      {"key alone gives empty text", "012*\r\n", true, ""},
      {"absent key", "011*Hide\r\n", false, ""},
      {"two-digit key", "12*Create\r\n", false, ""},
      {"300 characters cut to 255", "012*" + longText + "\r\n", true, std::string(255, 'x')},
      {"exactly 255 kept", "012*" + std::string(255, 'y'), true, std::string(255, 'y')},
      {"Ctrl-Z ends the file", "011*Hide\r\n\x1A\r\n012*Create\r\n", false, ""},
      {"Ctrl-Z inside a line", "012*Cre\x1A" "ate\r\n", true, "Cre"},
      {"line before Ctrl-Z seen", "012*Create\r\n\x1A" "012*later", true, "Create"},
      {"header lines never match", ValidHeader(), false, ""},
      {"empty file", "", false, ""},
      {"Windows-1251 text kept", "012*\xD1\xEE\xE7\xE4\xE0\xF2\xFC\r\n", true,
       "\xD1\xEE\xE7\xE4\xE0\xF2\xFC"},
      {"NUL inside the file", Bytes("011*a\0b\r\n012*c"), true, "c"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(nb::loc::KeyExistsIn(c.content, "012*"), c.exists);
    EXPECT_EQ(nb::loc::LookupIn(c.content, "012*"), c.text);
  }
}

TEST(LocHeader, AcceptsOnlyTheSixLinesIgnoringAsciiCase) {
  auto withLine = [](std::size_t index, const std::string& replacement) {
    std::string content;
    for (std::size_t i = 0; i < HeaderLines().size(); ++i) {
      content += (i == index ? replacement : HeaderLines()[i]) + "\r\n";
    }
    return content + "012*x\r\n";
  };
  std::string fiveLines;
  for (std::size_t i = 0; i < 5; ++i) fiveLines += HeaderLines()[i] + "\r\n";

  struct Case {
    const char* what;
    std::string content;
    bool valid;
  };
  const Case cases[] = {
      {"exact", ValidHeader() + "012*x\r\n", true},
      {"header only", ValidHeader(), true},
      {"header only, last line unterminated", ValidHeader().substr(0, ValidHeader().size() - 2),
       true},
      {"LF line ends", ValidHeader("\n"), true},
      {"CR line ends", ValidHeader("\r"), true},
      {"lower case", withLine(0, "**  do not change this text ! ! !"), true},
      {"upper case address", withLine(5, "**  MAIL: KV2719@TALVIK-SOFT.RU"), true},
      {"trailing blank", withLine(0, "**  DO NOT CHANGE THIS TEXT ! ! ! "), false},
      {"one blank before plugin",
       withLine(1, "**  The localization file for the Tarvex v2.0 plugin."), false},
      {"other web site", withLine(4, "**  http://example.com"), false},
      {"other mail", withLine(5, "**  mail: someone@example.com"), false},
      {"line missing in the middle", withLine(3, ""), false},
      {"five lines", fiveLines, false},
      {"empty file", "", false},
      {"garbage", Bytes("\x00\xFF\x1A garbage\r\n\r\n"), false},
      {"Ctrl-Z inside the header",
       withLine(2, HeaderLines()[2].substr(0, 10) + "\x1A" + HeaderLines()[2].substr(11)), false},
      {"blank line before the header", "\r\n" + ValidHeader(), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(nb::loc::HeaderValid(c.content), c.valid);
  }
}

TEST(LocHeader, AuthorLinesCarryTheAddresses) {
  EXPECT_EQ(HeaderLines()[4].substr(0, 4), "**  ");
  EXPECT_GT(HeaderLines()[4].size(), 4u);
  EXPECT_EQ(HeaderLines()[5].substr(0, 10), "**  mail: ");
  EXPECT_NE(HeaderLines()[5].find('@'), std::string::npos);
}

// A file system of one folder whose files can change between reads.
class FakeFolder {
 public:
  std::map<std::string, std::string, std::less<>> files;
  int reads = 0;

  nb::loc::FileReader Reader() {
    return [this](std::string_view name) -> std::optional<std::string> {
      ++reads;
      auto it = files.find(name);
      if (it == files.end()) return std::nullopt;
      return it->second;
    };
  }
};

TEST(LocText, TakesTheFileTextElseTheBuiltInOne) {
  struct Case {
    const char* what;
    std::optional<std::string> file;
    std::string text;
  };
  const Case cases[] = {
      {"no file", std::nullopt, "built-in"},
      {"key absent", "011*Hide\r\n", "built-in"},
      {"key present", "012*Create\r\n", "Create"},
      {"key with nothing after it", "012*\r\n", ""},
      {"invalid header does not matter", "garbage\r\n012*Create\r\n", "Create"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFolder folder;
    if (c.file) folder.files["Tarvex.loc"] = *c.file;
    EXPECT_EQ(nb::loc::LocText("012*", "built-in", folder.Reader()), c.text);
  }
}

TEST(LocText, ReadsOnlyTarvexLoc) {
  FakeFolder folder;
  folder.files["tarvex.txt"] = "012*other\r\n";
  EXPECT_EQ(nb::loc::LocText("012*", "built-in", folder.Reader()), "built-in");
  EXPECT_EQ(nb::loc::LocLookup("012*", "tarvex.txt", folder.Reader()), "other");
  EXPECT_TRUE(nb::loc::LocKeyExists("012*", "tarvex.txt", folder.Reader()));
  EXPECT_FALSE(nb::loc::LocKeyExists("012*", "missing.loc", folder.Reader()));
  EXPECT_EQ(nb::loc::LocLookup("012*", "missing.loc", folder.Reader()), "");
}

TEST(LocText, SeesAChangedFileAtTheNextLookup) {
  FakeFolder folder;
  const auto read = folder.Reader();
  EXPECT_EQ(nb::loc::LocText("012*", "built-in", read), "built-in");
  folder.files["Tarvex.loc"] = "012*first\r\n";
  EXPECT_EQ(nb::loc::LocText("012*", "built-in", read), "first");
  folder.files["Tarvex.loc"] = "012*second\r\n";
  EXPECT_EQ(nb::loc::LocText("012*", "built-in", read), "second");
  folder.files.clear();
  EXPECT_EQ(nb::loc::LocText("012*", "built-in", read), "built-in");
}

// The English file that ships in dist/loc/en.
std::string ShippedEnglishFile() {
  const std::string path = std::string(TARVEX_SOURCE_ROOT) + "/plugin/loc/en/Tarvex.loc";
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

TEST(EnglishLocFile, HasAValidHeaderAndEveryKey) {
  const std::string content = ShippedEnglishFile();
  EXPECT_TRUE(nb::loc::HeaderValid(content));
  for (int i = 0; i < 20; ++i) {
    char key[8];
    std::snprintf(key, sizeof key, "%03d*", i);
    SCOPED_TRACE(key);
    EXPECT_TRUE(nb::loc::KeyExistsIn(content, key));
    const std::string text = nb::loc::LookupIn(content, key);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.front(), ' ');
    EXPECT_NE(text.back(), ' ');
  }
}

TEST(EnglishLocFile, UsesCrLfLineEndsAndPlainAscii) {
  const std::string content = ShippedEnglishFile();
  ASSERT_FALSE(content.empty());
  EXPECT_EQ(content.substr(content.size() - 2), "\r\n");
  for (std::size_t i = 0; i < content.size(); ++i) {
    const unsigned char c = content[i];
    if (c == '\n') {
      EXPECT_EQ(content[i - 1], '\r') << "at " << i;
    }
    if (c == '\r') {
      EXPECT_EQ(content[i + 1], '\n') << "at " << i;
    }
    EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << "at " << i;
  }
}

}  // namespace
