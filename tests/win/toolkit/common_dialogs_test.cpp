// The system colour and font dialogs through the toolkit's wrappers, driven
// by their standard control ids as the host simulator drives them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "toolkit/common_dialogs.h"
#include "toolkit/text.h"

namespace {

std::function<void(HWND)>* pendingStep = nullptr;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM out) {
  wchar_t name[16] = {};
  GetClassNameW(hwnd, name, 16);
  if (std::wstring(name) == L"#32770" && IsWindowVisible(hwnd)) {
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND OpenCommonDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Runs the step on the dialog once it is open (from its own modal loop).
void CALLBACK WhenOpen(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = OpenCommonDialog();
  if (!dialog || !pendingStep) return;
  KillTimer(nullptr, id);
  (*pendingStep)(dialog);
}

template <typename Run>
bool RunWith(std::function<void(HWND)> step, Run run) {
  pendingStep = &step;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, &WhenOpen);
  bool result = run();
  KillTimer(nullptr, timer);
  pendingStep = nullptr;
  return result;
}

HWND Owner() {
  static HWND owner = CreateWindowExW(0, L"STATIC", L"editor", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                      nullptr, nullptr, nullptr, nullptr);
  return owner;
}

std::wstring ItemText(HWND dialog, int id) {
  wchar_t text[64] = {};
  GetDlgItemTextW(dialog, id, text, 64);
  return text;
}

TEST(CommonDialogs, TheColourDialogIsOwnedOpensWithItsLastColourAndHasItsRgbEdits) {
  tk::TColorDialog dialog;
  EXPECT_EQ(dialog.Color(), tk::clBlack);
  std::wstring firstRed;
  bool ok = RunWith(
      [&](HWND d) {
        EXPECT_EQ(GetWindow(d, GW_OWNER), Owner());
        for (int id : {706, 707, 708}) {
          HWND edit = GetDlgItem(d, id);
          EXPECT_TRUE(edit && IsWindowVisible(edit)) << "id " << id;
        }
        firstRed = ItemText(d, 706);
        SetDlgItemTextW(d, 706, L"10");
        SetDlgItemTextW(d, 707, L"20");
        SetDlgItemTextW(d, 708, L"30");
        PostMessageW(d, WM_COMMAND, IDOK, 0);
      },
      [&] { return dialog.Execute(Owner()); });
  EXPECT_TRUE(ok);
  EXPECT_EQ(firstRed, L"0") << "black the first time";
  EXPECT_EQ(dialog.Color(), static_cast<tk::TColor>(RGB(10, 20, 30)));

  // The second time it opens with the colour it returned; Cancel keeps it.
  std::wstring green;
  ok = RunWith(
      [&](HWND d) {
        green = ItemText(d, 707);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
      },
      [&] { return dialog.Execute(Owner()); });
  EXPECT_FALSE(ok);
  EXPECT_EQ(green, L"20");
  EXPECT_EQ(dialog.Color(), static_cast<tk::TColor>(RGB(10, 20, 30)));
}

TEST(CommonDialogs, TheFontDialogStartsFromItsFontAndGivesTheChosenOne) {
  tk::TFontDialog dialog;
  // A face the dialog lists on this system (the list depends on the fonts
  // installed), other than the one it selects when it finds none.
  std::wstring listed;
  RunWith(
      [&](HWND d) {
        HWND combo = GetDlgItem(d, 0x470);
        int n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        wchar_t text[LF_FACESIZE + 1] = {};
        if (n > 1) SendMessageW(combo, CB_GETLBTEXT, n - 1, reinterpret_cast<LPARAM>(text));
        listed = text;
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
      },
      [&] { return dialog.Execute(Owner()); });
  ASSERT_FALSE(listed.empty()) << "the dialog lists fonts";

  dialog.Font.name = tk::Narrow(listed);
  dialog.Font.height = -16;
  dialog.Font.style = tk::fsBold;
  dialog.Font.color = static_cast<tk::TColor>(RGB(128, 0, 0));  // maroon, one of the dialog's colours
  dialog.Font.charset = 0;
  std::wstring face;
  bool ok = RunWith(
      [&](HWND d) {
        EXPECT_EQ(GetWindow(d, GW_OWNER), Owner());
        for (int id : {0x470, 0x471, 0x472, 0x410, 0x411, 0x473, 0x474})
          EXPECT_TRUE(GetDlgItem(d, id)) << "id " << std::hex << id;
        face = ItemText(d, 0x470);
        EXPECT_EQ(SendDlgItemMessageW(d, 0x411, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        SendDlgItemMessageW(d, 0x411, BM_CLICK, 0, 0);  // underline
        PostMessageW(d, WM_COMMAND, IDOK, 0);
      },
      [&] { return dialog.Execute(Owner()); });
  ASSERT_TRUE(ok);
  EXPECT_EQ(face, listed) << "preset from the font record";
  EXPECT_EQ(dialog.Font.name, tk::Narrow(listed));
  EXPECT_EQ(dialog.Font.style, tk::fsBold | tk::fsUnderline) << "exactly the chosen styles";
  EXPECT_EQ(dialog.Font.color, static_cast<tk::TColor>(RGB(128, 0, 0)));
  EXPECT_LT(dialog.Font.height, 0);

  tk::FontRecord before = dialog.Font;
  ok = RunWith([](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); },
               [&] { return dialog.Execute(Owner()); });
  EXPECT_FALSE(ok);
  EXPECT_EQ(dialog.Font, before) << "cancel changes nothing";
}

TEST(CommonDialogs, LogFontsConvertBothWays) {
  LOGFONTW font{};
  font.lfHeight = -13;
  font.lfWeight = FW_BOLD;
  font.lfItalic = TRUE;
  font.lfStrikeOut = TRUE;
  font.lfCharSet = RUSSIAN_CHARSET;
  wcscpy(font.lfFaceName, L"Times New Roman");
  tk::LogFontFields fields = tk::FieldsOf(font);
  EXPECT_EQ(fields, (tk::LogFontFields{-13, 700, true, false, true, 204, "Times New Roman"}));
  LOGFONTW back = tk::LogFontOf(fields);
  EXPECT_EQ(back.lfHeight, -13);
  EXPECT_EQ(back.lfWeight, FW_BOLD);
  EXPECT_TRUE(back.lfItalic && back.lfStrikeOut && !back.lfUnderline);
  EXPECT_EQ(back.lfCharSet, RUSSIAN_CHARSET);
  EXPECT_EQ(std::wstring(back.lfFaceName), L"Times New Roman");
  fields.faceName = std::string(40, 'x');
  EXPECT_EQ(wcslen(tk::LogFontOf(fields).lfFaceName), static_cast<std::size_t>(LF_FACESIZE - 1))
      << "a long face is cut, not overrun";
}

}  // namespace
