#include "base/PlugInUtils.h"

#include "base/host_block.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

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

}  // namespace
