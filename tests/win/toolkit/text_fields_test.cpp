// Texts in a stated code page, and fields that keep what the author did not
// change: the host's bytes come back exactly, whatever the code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/win/toolkit/test_form.h"
#include "toolkit/buttons.h"
#include "toolkit/gdi.h"
#include "toolkit/label.h"
#include "toolkit/text.h"
#include "toolkit/window_text.h"

namespace {

using tktest::TTestForm;

// "Выбор" in Windows-1251.
const std::string kChoice1251 = "\xC2\xFB\xE1\xEE\xF0";
const std::wstring kChoice = L"\u0412\u044B\u0431\u043E\u0440";

std::wstring WindowText(HWND hwnd) { return tk::WindowTextWide(hwnd); }

TEST(CodePageText, NativeCaptionsShowCyrillicAndGiveBackTheirBytes) {
  TTestForm form;
  auto& button = form.Get<tk::TButton>("ButtonOK");
  auto& check = form.Get<tk::TCheckBox>("CheckBox1");
  auto& panel = form.Get<tk::TPanel>("pnl1");
  const tk::CodedText russian{kChoice1251, tk::kCyrillicCodePage};

  button.SetCaption(russian);
  check.SetCaption(russian);
  panel.SetCaption(russian);
  form.SetCaption(russian);
  for (HWND h : {button.Handle(), check.Handle(), form.Handle()}) EXPECT_EQ(WindowText(h), kChoice);
  EXPECT_EQ(button.CaptionText(), russian);
  EXPECT_EQ(check.CaptionText(), russian);
  EXPECT_EQ(panel.CaptionText(), russian);
  EXPECT_EQ(form.CaptionText(), russian);
  EXPECT_EQ(button.Caption(), kChoice1251) << "the bytes as set";

  // The ANSI setters still work, and a text changed from outside reads back
  // in the ANSI code page.
  check.SetCaption("Hide text");
  EXPECT_EQ(check.CaptionText(), (tk::CodedText{"Hide text", tk::kAnsiCodePage}));
  SetWindowTextW(button.Handle(), L"Changed");
  EXPECT_EQ(button.CaptionText(), (tk::CodedText{"Changed", tk::kAnsiCodePage}));

  auto& edit = form.Get<tk::TLabeledEdit>("LEdit1");
  edit.EditLabel().SetCaption(russian);
  EXPECT_EQ(edit.EditLabel().CaptionText(), russian);
}

// The label painted alone on a white surface.
std::vector<COLORREF> PaintedLabel(tk::TLabel& label) {
  tk::WindowDC screen(nullptr);
  int w = label.Width(), h = label.Height();
  tk::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), w, h));
  tk::MemoryDC dc(screen.get());
  tk::SelectObjectGuard select(dc.get(), bitmap.get());
  RECT r{0, 0, w, h};
  FillRect(dc.get(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  label.Paint(dc.get());
  std::vector<COLORREF> pixels;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
  return pixels;
}

TEST(CodePageText, ALabelDrawsCyrillicFromWindows1251OnAnySystem) {
  TTestForm form;
  auto& label = form.Get<tk::TLabel>("Label1");
  // The captions' font in the field groups, one with Cyrillic letters.
  tk::FontRecord arial = label.Font();
  arial.name = "Arial";
  arial.height = -13;
  label.SetFont(arial);
  label.SetCaption(tk::CodedText{kChoice1251, tk::kCyrillicCodePage});
  std::vector<COLORREF> fromBytes = PaintedLabel(label);
  // The same characters given in the ANSI code page where it can hold them:
  // the reference picture.
  label.SetCaption(tk::CodedText{kChoice1251, CP_ACP});
  std::vector<COLORREF> asAnsi = PaintedLabel(label);
  if (GetACP() != 1251) {
    EXPECT_NE(fromBytes, asAnsi) << "read in the system's code page the bytes are other letters";
  }
  // Reference: the wide text drawn with the label's own font and format.
  tk::TLabel reference(&form.Get<tk::TPanel>("pnl1").Surface());
  reference.SetFont(label.Font());
  reference.SetTransparent(true);
  reference.SetCaption(tk::CodedText{"\xD2\xFB\xE1\xEE\xF0", tk::kCyrillicCodePage});  // "Тыбор": other pixels
  label.SetCaption(tk::CodedText{kChoice1251, tk::kCyrillicCodePage});
  EXPECT_NE(PaintedLabel(reference), PaintedLabel(label)) << "pixels depend on the letters";
  reference.SetCaption(tk::CodedText{kChoice1251, tk::kCyrillicCodePage});
  EXPECT_EQ(PaintedLabel(reference), fromBytes);
  // UTF-8 as a code page gives the same letters as Windows-1251.
  reference.SetCaption(tk::CodedText{tk::Narrow(kChoice, CP_UTF8), CP_UTF8});
  EXPECT_EQ(PaintedLabel(reference), fromBytes) << "Cyrillic pixels, not the ANSI reading";
}

TEST(KeptFields, EditsGiveBackTheBytesTheyWereGivenUntilTheAuthorChangesThem) {
  TTestForm form;
  auto& edit = *form.LEdit1;
  // Bytes of a CP1251 object name, and bytes that have no character in most
  // code pages: whatever the system shows, the same bytes come back.
  for (const std::string& bytes : {kChoice1251, std::string("a\x81\x8D\x8F\x90\x9D" "b"),
                                  std::string("[Count]"), std::string()}) {
    edit.SetText(bytes);
    EXPECT_EQ(edit.Text(), bytes);
    EXPECT_FALSE(edit.ChangedByAuthor());
  }
  edit.SetText(kChoice1251);
  // Typing is a change by the author.
  SendMessageW(edit.Handle(), EM_SETSEL, 100, 100);
  SendMessageW(edit.Handle(), WM_CHAR, 'x', 1);
  EXPECT_TRUE(edit.ChangedByAuthor());
  EXPECT_EQ(edit.Text(), tk::Narrow(tk::Widen(kChoice1251) + L"x"));
  // So is a text set from outside with its EN_CHANGE; the program's SetText is not.
  edit.SetText("abc");
  EXPECT_FALSE(edit.ChangedByAuthor());
  SetWindowTextW(edit.Handle(), L"xyz");
  SendMessageW(GetParent(edit.Handle()), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(edit.Handle()), EN_CHANGE),
               reinterpret_cast<LPARAM>(edit.Handle()));
  EXPECT_TRUE(edit.ChangedByAuthor());
  EXPECT_EQ(edit.Text(), "xyz");
}

TEST(KeptFields, SpinBoxesShowAnyTextAndReadItWithTheGivenReader) {
  TTestForm form;
  auto& spin = form.Get<tk::TSpinEdit>("SpinEdit1");
  for (const char* text : {"[Count]", "-5", "abc", "12x"}) {
    spin.SetText(text);
    EXPECT_EQ(spin.Text(), text) << "shown as it stands";
    EXPECT_EQ(WindowText(spin.Handle()), tk::Widen(text));
    EXPECT_FALSE(spin.ChangedByAuthor());
  }
  spin.SetMinValue(0);
  spin.SetMaxValue(1999999999);
  spin.SetMaxLength(10);
  spin.SetText("-5");
  EXPECT_EQ(spin.Text(), "-5") << "range and length settings keep the text";

  // Reading: the reader given, clamped into the range; the minimum when unreadable.
  spin.SetIntegerReader([](std::string_view text) -> std::optional<std::int64_t> {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    if (text.substr(i) == "$FF") return 255;
    if (text.substr(i) == "-5") return -5;
    if (text.substr(i) == "77") return 77;
    return std::nullopt;
  });
  struct Case {
    const char* text;
    int value;
  };
  for (const Case& c : {Case{"  $FF", 255}, Case{"-5", 0}, Case{" 77", 77}, Case{"[Count]", 0}}) {
    spin.SetText(c.text);
    EXPECT_EQ(spin.Value(), c.value) << c.text;
  }
  spin.SetMinValue(10);
  spin.SetMaxValue(20);
  spin.SetText("$FF");
  EXPECT_EQ(spin.Value(), 20);
  spin.SetText("?");
  EXPECT_EQ(spin.Value(), 10) << "unreadable gives the minimum";

  spin.SetValue(15);
  EXPECT_EQ(spin.Text(), "15");
  EXPECT_FALSE(spin.ChangedByAuthor());
  SendMessageW(spin.Handle(), WM_CHAR, '3', 1);
  EXPECT_TRUE(spin.ChangedByAuthor());
}

TEST(KeptFields, AListShowsAStoredTextMatchingNoItemAsAnExtraEntry) {
  TTestForm form;
  auto& combo = form.Get<tk::TComboBox>("ComboBox1");
  combo.SetExtraItem("show");
  EXPECT_EQ(combo.ItemCount(), 3);
  EXPECT_EQ(combo.ExtraItemIndex(), 2);
  EXPECT_EQ(combo.ItemIndex(), 2) << "selected";
  EXPECT_EQ(combo.Text(), "show");
  EXPECT_FALSE(combo.ChangedByAuthor());
  combo.SetExtraItem(kChoice1251);
  EXPECT_EQ(combo.ItemCount(), 3) << "one extra entry at a time";
  EXPECT_EQ(combo.Text(), kChoice1251) << "the stored bytes";
  combo.AddItem("Third");
  EXPECT_EQ(combo.Item(2), "Third");
  EXPECT_EQ(combo.ExtraItemIndex(), 3) << "the extra entry stays last";
  EXPECT_EQ(combo.Text(), kChoice1251);

  // A pick as the mouse does it: CB_SETCURSEL, then the parent's CBN_SELCHANGE.
  SendMessageW(combo.Handle(), CB_SETCURSEL, 1, 0);
  SendMessageW(GetParent(combo.Handle()), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(combo.Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo.Handle()));
  EXPECT_TRUE(combo.ChangedByAuthor());
  EXPECT_EQ(combo.Text(), "Hide");
  EXPECT_EQ(form.selects, 1);
  combo.SetItemIndex(-1);
  EXPECT_FALSE(combo.ChangedByAuthor()) << "the program's selection is no change";
  EXPECT_EQ(combo.Text(), "");
}

TEST(KeptFields, ACheckBoxTellsWhetherTheAuthorClickedIt) {
  TTestForm form;
  auto& box = form.Get<tk::TCheckBox>("CheckBox1");
  box.SetChecked(true);
  EXPECT_FALSE(box.ChangedByAuthor());
  SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.ChangedByAuthor());
  EXPECT_FALSE(box.Checked());
  SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.ChangedByAuthor()) << "clicked back: still the author's";
  box.SetChecked(false);
  EXPECT_FALSE(box.ChangedByAuthor());
}

}  // namespace
