// The font that a font spec puts into the gauge, seen where it matters: the
// font selected into the DC at the moment the percentage text is drawn.
// A spy in this program's import table records, for every ExtTextOutA and
// ExtTextOutW, the LOGFONT of the DC's font and the face that GDI realised.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/GaugeList.h"
#include "tests/win/runtime/host_fixture.h"

namespace runtime_test {
namespace {

using Params = std::vector<std::string>;

struct TextOutSeen {
  LOGFONTA font{};        // the selected font as it was made
  std::string requested;  // lfFaceName of the selected font
  std::string realised;   // GetTextFaceA: what the system made of it
  LONG weight = 0;
  BYTE italic = 0;
  BYTE charset = 0;
};

std::vector<TextOutSeen>& Seen() {
  static std::vector<TextOutSeen> seen;
  return seen;
}

void Record(HDC dc) {
  TextOutSeen s;
  LOGFONTA lf{};
  GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf);
  s.font = lf;
  s.requested = lf.lfFaceName;
  s.weight = lf.lfWeight;
  s.italic = lf.lfItalic;
  s.charset = lf.lfCharSet;
  char face[LF_FACESIZE]{};
  GetTextFaceA(dc, LF_FACESIZE, face);
  s.realised = face;
  Seen().push_back(s);
}

using ExtTextOutAProc = BOOL(WINAPI*)(HDC, int, int, UINT, const RECT*, LPCSTR, UINT, const INT*);
using ExtTextOutWProc = BOOL(WINAPI*)(HDC, int, int, UINT, const RECT*, LPCWSTR, UINT, const INT*);
ExtTextOutAProc realA = nullptr;
ExtTextOutWProc realW = nullptr;

BOOL WINAPI SpyA(HDC dc, int x, int y, UINT options, const RECT* r, LPCSTR text, UINT n, const INT* dx) {
  Record(dc);
  return realA(dc, x, y, options, r, text, n, dx);
}
BOOL WINAPI SpyW(HDC dc, int x, int y, UINT options, const RECT* r, LPCWSTR text, UINT n, const INT* dx) {
  Record(dc);
  return realW(dc, x, y, options, r, text, n, dx);
}

// The import-table slot of this program through which it calls target.
void** ImportSlot(const char* dll, void* target) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
    for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function; ++t)
      if (reinterpret_cast<void*>(t->u1.Function) == target) return reinterpret_cast<void**>(&t->u1.Function);
  }
  return nullptr;
}

void Patch(void** slot, void* value) {
  DWORD old = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, old, &old);
}

// Installs the spy for its lifetime.
class TextOutSpy {
 public:
  TextOutSpy() {
    HMODULE gdi = GetModuleHandleW(L"gdi32.dll");
    void* a = reinterpret_cast<void*>(GetProcAddress(gdi, "ExtTextOutA"));
    void* w = reinterpret_cast<void*>(GetProcAddress(gdi, "ExtTextOutW"));
    realA = reinterpret_cast<ExtTextOutAProc>(a);
    realW = reinterpret_cast<ExtTextOutWProc>(w);
    slotA_ = ImportSlot("gdi32.dll", a);
    slotW_ = ImportSlot("gdi32.dll", w);
    if (slotA_) Patch(slotA_, reinterpret_cast<void*>(&SpyA));
    if (slotW_) Patch(slotW_, reinterpret_cast<void*>(&SpyW));
    Seen().clear();
  }
  TextOutSpy(const TextOutSpy&) = delete;
  TextOutSpy& operator=(const TextOutSpy&) = delete;
  ~TextOutSpy() {
    if (slotA_) Patch(slotA_, reinterpret_cast<void*>(realA));
    if (slotW_) Patch(slotW_, reinterpret_cast<void*>(realW));
  }
  bool Installed() const { return slotA_ || slotW_; }

 private:
  void** slotA_ = nullptr;
  void** slotW_ = nullptr;
};

// The face that this system realises for a font like lf but with the given
// face name (whatever faces the system maps or substitutes).
std::string RealisedFace(LOGFONTA lf, const char* faceName) {
  lstrcpynA(lf.lfFaceName, faceName, LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&lf);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  char face[LF_FACESIZE]{};
  GetTextFaceA(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return face;
}

Params CreateText(const std::string& font) {
  return {"Rect1", "Text", "", "", "", "0", "100", font, "50", ""};
}

class FontFaces : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    object_ = AddObject("Rect1", 0, 0, 100, 100);
  }
  HWND GaugeWindow() { return runtime::GaugeAt(runtime::FindGauge("Rect1")).Handle(); }
  Picture Paint() { return Capture(GaugeWindow(), 100, 100); }
  HWND object_ = nullptr;
};

// A face name with blanks, as the font dialog writes it, reaches the DC as
// that face: the LOGFONT names it, and GDI realises the same face as for a
// font asked for by that name directly (whatever the system maps it to).
TEST_F(FontFaces, FaceWithBlanksIsTheFaceSelectedForTheText) {
  TextOutSpy spy;
  ASSERT_TRUE(spy.Installed()) << "no import of ExtTextOut to watch";
  for (int action : {1, 7}) {
    SCOPED_TRACE(action == 1 ? "TarvexCreate" : "TarvexSetFont");
    const std::string fontText = "Times New Roman|clBlack|10||204";
    if (action == 1) {
      ASSERT_TRUE(Run(1, CreateText(fontText)));
    } else {
      ASSERT_TRUE(Run(1, CreateText("Arial|clBlack|10||0")));
      ASSERT_TRUE(Run(7, {"Rect1", fontText}));
    }
    EXPECT_EQ(runtime::GaugeAt(0).Gauge()->Font().name, "Times New Roman");
    Seen().clear();
    Paint();
    ASSERT_FALSE(Seen().empty()) << "the text was drawn";
    const TextOutSeen& s = Seen().back();
    EXPECT_EQ(s.requested, "Times New Roman");
    EXPECT_EQ(s.charset, 204);
    EXPECT_EQ(s.weight, FW_NORMAL);
    const std::string expected = RealisedFace(s.font, "Times New Roman");
    EXPECT_EQ(s.realised, expected);
    // For the record: what the blanks-removed name of the old reading gives.
    std::printf("Times New Roman is realised as %s; TimesNewRoman as %s\n", expected.c_str(),
                RealisedFace(s.font, "TimesNewRoman").c_str());
  }
}

// The style field sets exactly its styles: bold, then a font text without styles,
// draws the regular text again, pixel for pixel as a gauge never bold.
TEST_F(FontFaces, SpecWithoutStylesMakesABoldGaugeRegular) {
  TextOutSpy spy;
  ASSERT_TRUE(Run(1, CreateText("Arial|clBlack|24|fsBold fsItalic |0")));
  Seen().clear();
  const Picture bold = Paint();
  ASSERT_FALSE(Seen().empty());
  EXPECT_EQ(Seen().back().weight, FW_BOLD);
  EXPECT_EQ(Seen().back().italic, TRUE);

  ASSERT_TRUE(Run(7, {"Rect1", "Arial|clBlack|24||0"}));
  EXPECT_EQ(runtime::GaugeAt(0).Gauge()->Font().style, 0);
  Seen().clear();
  const Picture madeRegular = Paint();
  ASSERT_FALSE(Seen().empty());
  EXPECT_EQ(Seen().back().weight, FW_NORMAL);
  EXPECT_EQ(Seen().back().italic, FALSE);

  ASSERT_TRUE(Run(1, CreateText("Arial|clBlack|24||0")));
  const Picture neverBold = Paint();

  int differing = 0;
  for (std::size_t i = 0; i < bold.pixels.size(); ++i) differing += bold.pixels[i] != madeRegular.pixels[i];
  EXPECT_GT(differing, 0) << "the bold and the regular text look the same";
  EXPECT_EQ(madeRegular.pixels, neverBold.pixels) << "regular again is the regular rendering";
  // Only text pixels differ: the background (white, text inverted black) is
  // the same everywhere else.
  EXPECT_EQ(bold.At(2, 2), 0xFFFFFFu);
}

}  // namespace
}  // namespace runtime_test
