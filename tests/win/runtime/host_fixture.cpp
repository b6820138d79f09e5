#include "tests/win/runtime/host_fixture.h"

#include <algorithm>

#include "base/window_number.h"
#include "runtime/actions.h"
#include "toolkit/core/ascii.h"
#include "toolkit/dib.h"

namespace runtime_test {

std::map<std::string, std::string>& ObjectAnswers() {
  static std::map<std::string, std::string> answers;
  return answers;
}

nb::HostBool NB_REGISTER FakeInterfaceAccess(std::int32_t command, nb::HostSlot* slot) {
  if (command != 7) return 0;
  // The host knows its objects by name, ignoring ASCII case.
  std::string name = nb::ReadHostString(*slot);
  std::string answer = "0";
  for (const auto& [known, text] : ObjectAnswers())
    if (tk::SameTextAscii(known, name)) answer = text;
  nb::AssignHostString(slot, answer);
  return 1;
}

bool Picture::AllEqual(std::uint32_t rgb) const {
  return std::all_of(pixels.begin(), pixels.end(), [rgb](std::uint32_t p) { return p == rgb; });
}

Picture Capture(HWND gaugeWindow, int width, int height, bool wParamZero) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  tk::DibSection dib(width, height);
  std::fill(dib.Bits(), dib.Bits() + width * height, kMagenta);
  LRESULT reply =
      SendMessageW(gaugeWindow, WM_USER + 250, wParamZero ? 0 : reinterpret_cast<WPARAM>(dib.dc()), 5);
  EXPECT_EQ(reply, 0);
  picture.pixels.assign(dib.Bits(), dib.Bits() + width * height);
  for (auto& px : picture.pixels) px &= 0xFFFFFF;
  return picture;
}

void HostFixture::SetUp() {
  ObjectAnswers().clear();
  nb::Held().interfaceAccess = &FakeInterfaceAccess;
  main_ = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(main_, nullptr);
}

void HostFixture::TearDown() {
  runtime::CloseAllGauges();
  for (HWND object : objects_) DestroyWindow(object);
  DestroyWindow(main_);
  nb::Held().interfaceAccess = nullptr;
}

HWND HostFixture::AddObject(const std::string& name, int x, int y, int width, int height,
                           bool framed) {
  DWORD style = WS_CHILD | WS_VISIBLE | (framed ? WS_BORDER : 0);
  HWND object = CreateWindowExW(0, L"STATIC", L"", style, x, y, width,
                                height, main_, nullptr, GetModuleHandleW(nullptr), nullptr);
  objects_.push_back(object);
  ObjectAnswers()[name] = nb::WindowNumberText(object);
  return object;
}

bool HostFixture::Run(int action, std::vector<std::string> params) {
  return runtime::RunAction(action, params);
}

}  // namespace runtime_test
