#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/win/toolkit/test_form.h"
#include "toolkit/jpeg.h"
#include "toolkit/stored_resource.h"
#include "toolkit/window.h"

namespace {

std::string ResourceBytes(const char* name) {
  const std::optional<std::string_view> bytes = tk::StoredResource(name);
  return bytes ? std::string(*bytes) : std::string();
}

COLORREF PixelOf(const tk::DecodedBitmap& d, int x, int y) {
  tk::MemoryDC dc(nullptr);
  tk::SelectObjectGuard s(dc.get(), d.bitmap.get());
  return GetPixel(dc.get(), x, y);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST(Jpeg, TheAboutBoxPictureDecodesTopDown) {
  std::string bytes = ResourceBytes("JPEG_ABOUT_GAUGE");
  ASSERT_FALSE(bytes.empty());
  tk::DecodedBitmap d = tk::DecodeJpeg(bytes.data(), bytes.size());
  ASSERT_TRUE(d.bitmap);
  EXPECT_EQ(d.width, 249);
  EXPECT_EQ(d.height, 249);
  BITMAP info{};
  GetObjectW(d.bitmap.get(), sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_TRUE(Near(PixelOf(d, 2, 2), RGB(255, 185, 0), 12)) << "orange ground in the corner";
  EXPECT_TRUE(Near(PixelOf(d, 230, 76), RGB(200, 40, 20), 24)) << "filled part of the pie";
}

TEST(Jpeg, DamagedDataGivesNoPicture) {
  std::string good = ResourceBytes("JPEG_ABOUT_GAUGE");
  std::string flipped = good;
  for (std::size_t i = good.size() / 3; i < good.size() / 3 + 64; ++i) flipped[i] = '\xFF';
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"start of image only", good.substr(0, 2)},
      {"header cut", good.substr(0, 100)},
      {"half the scan", good.substr(0, good.size() / 2)},
      {"end marker missing", good.substr(0, good.size() - 2)},
      {"not a JPEG", std::string(500, 'x')},
      {"markers in the scan", flipped},
      {"the truncated resource", ResourceBytes("JPEG_TRUNCATED")},
  };
  for (const Case& c : cases) {
    tk::DecodedBitmap d = tk::DecodeJpeg(c.bytes.data(), c.bytes.size());
    EXPECT_FALSE(d.bitmap) << c.what;
    EXPECT_EQ(d.width, 0) << c.what;
  }
}

TEST(Jpeg, ADamagedPictureLeavesItsImageEmptyAndTheDialogWorks) {
  tktest::TTestForm form;
  EXPECT_TRUE(form.Get<tk::TImage>("Broken").GetPicture().Empty());
  EXPECT_FALSE(form.Get<tk::TImage>("Image1").GetPicture().Empty());
  // The form paints: the broken image's area shows the form's background.
  RECT client{};
  GetClientRect(form.Handle(), &client);
  tk::WindowDC screen(nullptr);
  tk::MemoryDC dc(screen.get());
  tk::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  tk::SelectObjectGuard s(dc.get(), bitmap.get());
  SendMessageW(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  auto& broken = form.Get<tk::TImage>("Broken");
  EXPECT_EQ(GetPixel(dc.get(), broken.Left() + 30, broken.Top() + 30), RGB(255, 255, 255))
      << "the shape's white brush, not a picture";
  form.SetModalResult(tk::mrNone);
  PostMessageW(form.Get<tk::TButton>("ButtonOK").Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.ShowModal(), tk::mrOk);
}

}  // namespace
