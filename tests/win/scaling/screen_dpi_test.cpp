// The screen's pixels per inch as the tests' Wine prefix sets them: the
// scaling tests of this program run once per prefix (see tests/CMakeLists.txt)
// and read the DPI they expect from TARVEX_WINE_DPI, so a prefix made with
// the wrong LogPixels, or a run that landed in the normal prefix, fails here
// rather than as a puzzling layout difference.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "toolkit/gdi.h"
#include "toolkit/handles.h"

namespace {

// The DPI the run was started for; 96 when none was named.
int ExpectedDpi() {
  const char* value = std::getenv("TARVEX_WINE_DPI");
  return value && *value ? std::atoi(value) : 96;
}

TEST(ScreenDpi, ScreenAnswersTheRunsDpi) {
  tk::WindowDC screen(nullptr);
  ASSERT_TRUE(screen.get());
  EXPECT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSY), ExpectedDpi());
  EXPECT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSX), ExpectedDpi());
}

// What a dialog asks for its monitor. The call exists from Windows 10 1607
// on (and in Wine); where it does not, the screen's answer above is all.
TEST(ScreenDpi, WindowAnswersTheRunsDpi) {
  using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
  auto getDpiForWindow = reinterpret_cast<GetDpiForWindowProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (!getDpiForWindow) GTEST_SKIP() << "user32 has no GetDpiForWindow";
  tk::OwnedWindow window(CreateWindowExW(0, L"STATIC", L"dpi", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200,
                                         100, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(window);
  EXPECT_EQ(static_cast<int>(getDpiForWindow(window.get())), ExpectedDpi());
}

}  // namespace
