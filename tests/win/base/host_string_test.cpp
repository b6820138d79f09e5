#include "base/PlugInUtils.h"

#include "base/host_block.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugin/boundary.h"
#include "tests/support/host_blocks.h"

namespace {

template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

// A freed fixed block is no longer a valid global memory handle.
bool Freed(const void* block) { return GlobalSize(const_cast<void*>(block)) == 0; }

TEST(AssignHostString, StoresAFixedBlockSizedToTheTextUpToItsFirstNul) {
  struct Case {
    const char* what;
    std::string text;
    std::string stored;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"plain", "Tarvex 2.0", "Tarvex 2.0"},
      {"Windows-1251", "\xD1\xEE\xE7\xE4\xE0\xF2\xFC", "\xD1\xEE\xE7\xE4\xE0\xF2\xFC"},
      {"embedded NUL", Bytes("ab\0cd"), "ab"},
      {"leading NUL", Bytes("\0abc"), ""},
      {"long", std::string(100000, 'q'), std::string(100000, 'q')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    nb::HostSlot slot = nullptr;
    nb::AssignHostString(&slot, c.text);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(GlobalSize(slot), c.stored.size() + 1);
    EXPECT_EQ(std::string(slot), c.stored);
    EXPECT_EQ(GlobalFree(slot), nullptr);
  }
}

TEST(AssignHostString, FreesTheBlockItReplaces) {
  nb::HostSlot slot = nb::NewGlobalString("old text");
  const nb::HostSlot old = slot;
  nb::AssignHostString(&slot, "new");
  ASSERT_NE(slot, old);
  EXPECT_STREQ(slot, "new");
  EXPECT_TRUE(Freed(old));
  nb::FreeHostString(&slot);
}

TEST(AssignHostString, CopiesATextThatLivesInTheBlockItReplaces) {
  nb::HostSlot slot = nb::NewGlobalString("same text");
  nb::AssignHostString(&slot, slot);
  EXPECT_STREQ(slot, "same text");
  nb::AssignHostString(&slot, std::string_view(slot + 5));
  EXPECT_STREQ(slot, "text");
  nb::FreeHostString(&slot);
}

TEST(FreeHostString, FreesTheBlockAndLeavesTheSlotNil) {
  nb::HostSlot slot = nb::NewGlobalString("text");
  const nb::HostSlot old = slot;
  nb::FreeHostString(&slot);
  EXPECT_EQ(slot, nullptr);
  EXPECT_TRUE(Freed(old));
  nb::FreeHostString(&slot);  // nil stays nil
  EXPECT_EQ(slot, nullptr);
}

TEST(HostSlots, NilAndMissingSlotsAreHarmless) {
  EXPECT_EQ(nb::ReadHostString(nullptr), "");
  nb::AssignHostString(nullptr, "text");
  nb::FreeHostString(nullptr);
  char text[] = "abc";
  EXPECT_EQ(nb::ReadHostString(text), "abc");
}

// Three slots as a host holds them (a block, nil, a block) and one write
// with no slot; the first three writes each want a block.
struct ThreeSlots {
  nb::HostSlot slots[3] = {nb::NewGlobalString("[Old1]"), nullptr, nb::NewGlobalString("Old 3")};
  ThreeSlots() = default;
  ThreeSlots(const ThreeSlots&) = delete;
  ThreeSlots& operator=(const ThreeSlots&) = delete;
  ~ThreeSlots() {
    for (nb::HostSlot& slot : slots) nb::FreeHostString(&slot);
  }
};

TEST(ReplaceHostStrings, WritesEverySlotOrNoneWhenABlockCannotBeHad) {
  const struct {
    const char* what;
    std::size_t failing;  // 0: none
  } cases[] = {{"every block made", 0}, {"the first fails", 1}, {"the second fails", 2}, {"the last fails", 3}};
  tarvex::test::HostBlocks blocks;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ThreeSlots held;
    const std::vector<nb::HostSlot> before(std::begin(held.slots), std::end(held.slots));
    const std::size_t live = blocks.Live();
    const nb::SlotText writes[] = {
        {&held.slots[0], "New 1"}, {&held.slots[1], "New 2"}, {nullptr, "no slot"}, {&held.slots[2], "New 3"}};
    if (c.failing != 0) blocks.FailAllocation(c.failing);
    const bool written = nb::ReplaceHostStrings(writes);
    EXPECT_EQ(written, c.failing == 0);
    if (written) {
      EXPECT_STREQ(held.slots[0], "New 1");
      EXPECT_STREQ(held.slots[1], "New 2");
      EXPECT_STREQ(held.slots[2], "New 3");
      EXPECT_TRUE(Freed(before[0]));
      EXPECT_TRUE(Freed(before[2]));
      EXPECT_EQ(blocks.Live(), live + 1);  // the slot that was nil holds one more
      continue;
    }
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(held.slots[i], before[i]) << "slot " << i;
    EXPECT_STREQ(held.slots[0], "[Old1]");
    EXPECT_STREQ(held.slots[2], "Old 3");
    EXPECT_EQ(blocks.Live(), live);
  }
}

TEST(InitPlugIn, GivesNameAuthorAndDescriptionAllOrNone) {
  tarvex::test::HostBlocks blocks;
  for (std::size_t failing : {0, 1, 2, 3}) {
    SCOPED_TRACE("failing allocation " + std::to_string(failing));
    ThreeSlots held;
    const std::vector<nb::HostSlot> before(std::begin(held.slots), std::end(held.slots));
    const std::size_t live = blocks.Live();
    if (failing != 0) blocks.FailAllocation(failing);
    nbInitPlugIn(0, &held.slots[0], &held.slots[1], &held.slots[2]);
    if (failing == 0) {
      EXPECT_STREQ(held.slots[0], "Tarvex 2.0");
      EXPECT_EQ(blocks.Live(), live + 1);
      continue;
    }
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(held.slots[i], before[i]) << "slot " << i;
    EXPECT_EQ(blocks.Live(), live);
  }
}

}  // namespace
