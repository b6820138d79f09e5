// The faces that the stored forms, the toolkit's default font and the demo
// name must draw with Windows' character widths. Under Wine none of them is
// installed: the project's prefix (tools/wine-prefix.sh) maps each to a free
// stand-in with the same metrics, or brings Wine's own copy. Without that,
// every face silently becomes whatever Wine falls back to, and labels that
// size themselves to their text come out at other widths than on Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/stored_resources.h"
#include "toolkit/core/font.h"
#include "toolkit/font_handle.h"
#include "toolkit/gdi.h"
#include "toolkit/stored_resource.h"
#include "toolkit/window.h"

namespace {

struct Face {
  const char* name;
  // The family whose outlines draw it under Wine: the face itself for Wine's
  // own fonts; empty for a bitmap font.
  const char* standIn;
};

const Face kFaces[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Comic Sans MS", "Comic Neue"},
    {"Tahoma", "Tahoma"},
    {"MS Sans Serif", ""},  // Wine's bitmap font, as Windows' is one
};

// Named, but with no free stand-in: drawn in Wine's fallback face.
const char* const kWithoutStandIn[] = {"Brush Script MT"};

// The faces the demo's gauges use besides those of the forms.
const char* const kDemoFaces[] = {"Arial", "Tahoma", "Times New Roman", "Courier New"};

// Every Font.Name in the form descriptions and fragments stored in this program.
std::set<std::string> FacesOfStoredForms() {
  const std::vector<std::string> forms = tarvex::test::StoredResourceNames({"FORM_", "FRAGMENT_"});
  std::set<std::string> faces;
  const std::regex fontName(R"(Font\.Name\s*=\s*'([^']*)')");
  for (const std::string& form : forms) {
    const std::optional<std::string_view> stored = tk::StoredResource(form);
    if (!stored) continue;
    const std::string text(*stored);
    for (std::sregex_iterator m(text.begin(), text.end(), fontName), end; m != end; ++m) faces.insert((*m)[1]);
  }
  return faces;
}

struct Selected {
  std::string textFace;     // GetTextFace
  std::string outlineFace;  // the outline font's own name; empty for a bitmap font
  bool outline = false;
};

Selected Select(const tk::FontRecord& record) {
  tk::MemoryDC dc(nullptr);
  tk::Font font = tk::CreateFontHandle(record);
  tk::SelectObjectGuard selected(dc.get(), font.get());
  Selected result;
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc.get(), LF_FACESIZE, face);
  result.textFace = face;
  if (UINT size = GetOutlineTextMetricsA(dc.get(), 0, nullptr)) {
    std::vector<char> buffer(size);
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
    if (GetOutlineTextMetricsA(dc.get(), size, metrics)) {
      result.outline = true;
      result.outlineFace = buffer.data() + reinterpret_cast<std::size_t>(metrics->otmpFaceName);
    }
  }
  return result;
}

int TextWidth(const tk::FontRecord& record, const std::string& text) {
  tk::MemoryDC dc(nullptr);
  tk::Font font = tk::CreateFontHandle(record);
  tk::SelectObjectGuard selected(dc.get(), font.get());
  SIZE size{};
  GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST(FontFaces, EveryNamedFaceHasAStandInOrIsKnownToHaveNone) {
  std::set<std::string> named = FacesOfStoredForms();
  ASSERT_FALSE(named.empty()) << "no form description with fonts found";
  named.insert(tk::FontRecord{}.name);
  named.insert(std::begin(kDemoFaces), std::end(kDemoFaces));
  for (const std::string& face : named) {
    bool known = std::any_of(std::begin(kFaces), std::end(kFaces), [&](const Face& f) { return face == f.name; }) ||
                 std::find(std::begin(kWithoutStandIn), std::end(kWithoutStandIn), face) != std::end(kWithoutStandIn);
    EXPECT_TRUE(known) << "\"" << face << "\" is named but has no entry here (and none in tools/wine-prefix.sh?)";
  }
}

TEST(FontFaces, EachFaceSelectsItselfDrawnByItsStandIn) {
  const int heights[] = {-10, -12, -13, -27, -40};
  const std::uint8_t charsets[] = {tk::DEFAULT_CHARSET_VALUE, tk::ANSI_CHARSET_VALUE};
  const std::uint8_t styles[] = {0, tk::fsBold | tk::fsItalic};
  for (const Face& face : kFaces) {
    for (int height : heights) {
      for (std::uint8_t charset : charsets) {
        for (std::uint8_t style : styles) {
          tk::FontRecord record;
          record.name = face.name;
          record.height = height;
          record.charset = charset;
          record.style = style;
          SCOPED_TRACE(std::string(face.name) + " height " + std::to_string(height) + " charset " +
                       std::to_string(charset) + " style " + std::to_string(style));
          Selected s = Select(record);
          // A fallback answers with its own name, which is how a missing face shows.
          EXPECT_EQ(s.textFace, face.name);
          if (*face.standIn == '\0') {
            EXPECT_FALSE(s.outline) << "expected the bitmap font, got outlines of " << s.outlineFace;
          } else {
            // On Windows the face draws itself; under Wine its stand-in.
            EXPECT_TRUE(StartsWith(s.outlineFace, face.standIn) || StartsWith(s.outlineFace, face.name))
                << "drawn by " << s.outlineFace;
          }
        }
      }
    }
  }
}

TEST(FontFaces, WidthsAreWindowsWidths) {
  struct Case {
    const char* face;
    int height;
    const char* text;
    int width;
  };
  const Case cases[] = {
      {"Arial", -13, "Plugin author:", 80},  // 90 in the DejaVu Sans that Wine falls back to
      {"Courier New", -13, "Plugin author:", 14 * 8},  // 1229/2048 em a character, rounded
  };
  for (const Case& c : cases) {
    tk::FontRecord record;
    record.name = c.face;
    record.height = c.height;
    EXPECT_EQ(TextWidth(record, c.text), c.width) << c.face << " " << c.height << " \"" << c.text << "\"";
  }
}

}  // namespace
