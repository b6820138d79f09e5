#pragma once
// A stand-in for the host in tests: a top-level window with rectangle
// objects as child windows, an InterfaceAccessProc that answers command 7
// from a table, and a capture of a gauge window's picture through the host
// request message.

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "base/PlugInUtils.h"
#include "runtime/GaugeList.h"

namespace runtime_test {

// What command 7 answers for an object name; names not in the table answer "0".
std::map<std::string, std::string>& ObjectAnswers();
nb::HostBool NB_REGISTER FakeInterfaceAccess(std::int32_t command, nb::HostSlot* slot);

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  bool AllEqual(std::uint32_t rgb) const;
};
constexpr std::uint32_t kMagenta = 0xFF00FF;

// Sends the paint request (code 5) with a DIB of the given size, pre-filled
// with magenta; wParamZero sends 0 instead of the DC.
Picture Capture(HWND gaugeWindow, int width, int height, bool wParamZero = false);

class HostFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A rectangle object of the host: a child window of the main window,
  // registered for command 7 under name.
  HWND AddObject(const std::string& name, int x, int y, int width, int height,
                 bool framed = false);
  // Runs an action as the host does, with the parameter strings given.
  static bool Run(int action, std::vector<std::string> params) ;

  HWND main_ = nullptr;
  std::vector<HWND> objects_;
};

// A create action's ten slots: the name and the given slots, the rest empty.
inline std::vector<std::string> Create(const std::string& name,
                                       std::initializer_list<std::pair<int, std::string>> slots = {}) {
  std::vector<std::string> p(10);
  p[0] = name;
  for (const auto& [index, text] : slots) p[static_cast<std::size_t>(index)] = text;
  return p;
}

}  // namespace runtime_test
