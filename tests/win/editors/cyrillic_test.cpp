// The built-in Russian captions are readable whatever the system's code
// page: they are Windows-1251 bytes shown through the wide-character API.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "decor/Gradient.h"
#include "editors/EditFormNumber.h"
#include "tests/support/print_client.h"
#include "tests/win/editors/editor_fixture.h"
#include "toolkit/label.h"
#include "toolkit/text.h"

namespace editors::test {
namespace {

constexpr unsigned kUtf8 = 65001;

// A label's pixels on the footer's description backdrop.
std::vector<std::uint32_t> Painted(const tk::TLabel& model, const tk::CodedText& caption) {
  tk::TLabel label;
  label.SetAutoSize(false);
  label.SetWordWrap(true);
  label.SetTransparent(true);
  label.SetFont(model.Font());
  label.SetBounds(0, 0, model.Width(), model.Height());
  label.SetCaption(caption);
  tk::DibSection dib(model.Width(), model.Height());
  dib.Fill(RGB(255, 255, 225));
  label.Paint(dib.dc());
  const std::uint32_t* bits = dib.Bits();
  return std::vector<std::uint32_t>(bits, bits + model.Width() * model.Height());
}

TEST(Cyrillic, BuiltInCaptionsShowAsRussianUnderAnyCodePage) {
  if (GetACP() == 1251) GTEST_SKIP() << "meaningful only under a non-Cyrillic code page";
  Slots slots({"Rect1", "5"});
  EditRun run = RunEdit(3, slots, [&](tk::TForm&) {
    TFormNumber& form = *FormNumber;
    // The caption keeps its bytes and their code page; widened it is Russian.
    EXPECT_EQ(form.Label1->CaptionText().codePage, tk::kCyrillicCodePage);
    EXPECT_EQ(tk::Widen(form.Label1->CaptionText()), L"\u0417\u043D\u0430\u0447\u0435\u043D\u0438\u0435 "
                                                      L"\u043F\u0440\u043E\u0433\u0440\u0435\u0441\u0441\u0430:");

    // The description's pixels in the open dialog are those of the Russian
    // text, not those of the same bytes read in the system's code page.
    const tk::TLabel& info = *form.LabelInfo;
    HWND footer = reinterpret_cast<HWND>(
        SendMessageW(form.Handle(), tk::FindComponentMessage(), reinterpret_cast<WPARAM>("pnl3"), 0));
    auto shown = tarvex::test::PrintClient(footer);
    std::vector<std::uint32_t> dialog;
    for (int y = info.Top(); y < info.Top() + info.Height(); ++y)
      for (int x = info.Left(); x < info.Left() + info.Width(); ++x)
        dialog.push_back(shown->Bits()[y * shown->width() + x] & 0xFFFFFF);
    const std::string russian =
        "\xD0\xA3\xD1\x81\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2\xD0\xB8\xD1\x82\xD1\x8C";  // "Установить" in UTF-8
    const std::string rest = " \xD0\xBF\xD0\xBE\xD0\xB7\xD0\xB8\xD1\x86\xD0\xB8\xD1\x8E "
                             "\xD0\xBF\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB5\xD1\x81\xD1\x81\xD0\xB0 "
                             "\xD0\xB4\xD0\xBB\xD1\x8F \xD0\xBE\xD0\xB1\xD1\x8A\xD0\xB5\xD0\xBA\xD1\x82\xD0\xB0 "
                             "Tarvex.";
    auto asRussian = Painted(info, tk::CodedText{russian + rest, kUtf8});
    auto asAnsi = Painted(info, tk::CodedText{info.CaptionText().bytes, tk::kAnsiCodePage});
    for (auto& p : asRussian) p &= 0xFFFFFF;
    for (auto& p : asAnsi) p &= 0xFFFFFF;
    EXPECT_NE(asRussian, asAnsi);
    EXPECT_TRUE(dialog == asRussian) << "the description is not drawn as Russian text";
  });
  EXPECT_TRUE(run.opened);
}

TEST(Cyrillic, ANativeControlShowsTheRussianCaption) {
  if (GetACP() == 1251) GTEST_SKIP() << "meaningful only under a non-Cyrillic code page";
  Slots slots({"Rect1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
  EditRun run = RunEdit(1, slots, [&](tk::TForm& form) {
    HWND box = reinterpret_cast<HWND>(
        SendMessageW(form.Handle(), tk::FindComponentMessage(), reinterpret_cast<WPARAM>("CheckBox1"), 0));
    wchar_t text[64] = {};
    GetWindowTextW(box, text, 64);
    EXPECT_EQ(std::wstring(text), L"\u0421\u043A\u0440\u044B\u0442\u044C \u0442\u0435\u043A\u0441\u0442");  // Hide text
  });
  EXPECT_TRUE(run.opened);
}

}  // namespace
}  // namespace editors::test
