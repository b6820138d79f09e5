// Opening and closing each property editor many times leaves no GDI or USER
// object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "toolkit/gui_objects.h"
#include "tests/win/editors/editor_fixture.h"

namespace editors::test {
namespace {

// 200 unless TARVEX_EDITOR_CYCLES says otherwise (the quick run in every
// suite uses fewer; `make soak` runs the full count).
int Cycles() {
  const char* text = std::getenv("TARVEX_EDITOR_CYCLES");
  const int cycles = text != nullptr ? std::atoi(text) : 0;
  return cycles > 0 ? cycles : 200;
}

TEST(EditorResources, NoGrowthOverManyOpenAndCloseCycles) {
  for (int action = 1; action <= 8; ++action) {
    SCOPED_TRACE("action " + std::to_string(action));
    Slots slots({"Rect1", "1", "2", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    // The first cycles let the system set up its caches.
    for (int i = 0; i < 3; ++i) RunEdit(action, slots, nullptr, Ending::CloseBox);
    const tk::GuiObjects before = tk::CountGuiObjects();
    int opened = 0;
    const int cycles = Cycles();
    for (int i = 0; i < cycles; ++i) {
      EditRun run = RunEdit(action, slots, nullptr, i % 2 ? Ending::Cancel : Ending::CloseBox);
      opened += run.opened ? 1 : 0;
    }
    const tk::GuiObjects after = tk::CountGuiObjects();
    EXPECT_EQ(opened, cycles);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
  }
}

}  // namespace
}  // namespace editors::test
