// OK when the host's memory runs out: an editor writes its slots all or
// none. Whichever new block cannot be had, the edit answers False, every
// slot holds, byte for byte, the block it held before, and no block is left
// behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/host_blocks.h"
#include "tests/win/editors/editor_fixture.h"

namespace editors::test {
namespace {

using tarvex::test::HostBlocks;

// A slot as the host holds it: which block, and its bytes with the NUL.
struct Held {
  nb::HostSlot block;
  std::string bytes;
};

std::vector<Held> Snapshot(const Slots& slots, std::size_t count) {
  std::vector<Held> held;
  for (std::size_t i = 0; i < count; ++i) {
    const nb::HostSlot block = slots[i];
    held.push_back({block, block ? std::string(block, std::strlen(block) + 1) : std::string()});
  }
  return held;
}

struct Editor {
  const char* what;
  int action;
  std::vector<const char*> slots;  // nullptr: a nil slot
};

const Editor kEditors[] = {
    {"Create",
     1,
     {"Rect[Count]", "Needle", "255,0,0", nullptr, "[Outside]", "0", "[Max]", "Arial|0|10|B|1", "[Progress]",
      "False|True"}},
    {"SetValue", 4, {"Gauge[N]", "[Min]", "1000"}},
};

TEST(OkOutOfMemory, EveryOkWritesOneNewBlockPerSlot) {
  // What the failures below are counted against: OK asks for exactly one
  // block per slot, so the first, middle and last of them are the slots'.
  HostBlocks blocks;
  for (const Editor& editor : kEditors) {
    SCOPED_TRACE(editor.what);
    Slots slots(editor.slots);
    std::size_t before = 0;
    const EditRun run = RunEdit(
        editor.action, slots, [&](tk::TForm&) { before = blocks.Allocations(); }, Ending::Ok);
    ASSERT_TRUE(run.opened);
    EXPECT_TRUE(run.result);
    EXPECT_EQ(blocks.Allocations() - before, editor.slots.size());
  }
}

TEST(OkOutOfMemory, AFailedBlockLeavesEverySlotAsItWasAndAnswersFalse) {
  HostBlocks blocks;
  for (const Editor& editor : kEditors) {
    const std::size_t count = editor.slots.size();
    const struct {
      const char* which;
      std::size_t nth;
    } failures[] = {{"first", 1}, {"middle", (count + 1) / 2}, {"last", count}};
    for (const auto& failure : failures) {
      SCOPED_TRACE(std::string(editor.what) + ", the " + failure.which + " slot's block fails");
      Slots slots(editor.slots);
      const std::vector<Held> before = Snapshot(slots, count);
      const std::size_t live = blocks.Live();
      const EditRun run = RunEdit(
          editor.action, slots,
          [&](tk::TForm&) {
            // Armed as OK is pressed: the next allocations are the slots'.
            blocks.FailAllocation(failure.nth);
          },
          Ending::Ok);
      ASSERT_TRUE(run.opened);
      EXPECT_FALSE(run.result);
      const std::vector<Held> after = Snapshot(slots, count);
      for (std::size_t i = 0; i < count; ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        EXPECT_EQ(after[i].block, before[i].block);
        EXPECT_TRUE(after[i].bytes == before[i].bytes) << after[i].bytes;
      }
      // The blocks made before the failure went again.
      EXPECT_EQ(blocks.Live(), live);
    }
  }
}

}  // namespace
}  // namespace editors::test
