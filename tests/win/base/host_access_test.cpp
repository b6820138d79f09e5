#include "base/HostAccess.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/PlugInUtils.h"
#include "tests/support/host_blocks.h"

namespace {

// What the fake host saw and what it answers.
struct FakeHost {
  std::int32_t command = 0;
  std::string received;
  void* givenBlock = nullptr;  // the plug-in's block in the slot
  void* leftBlock = nullptr;   // the block the host left in the slot
  nb::HostBool answer = 1;
  const char* replacement = nullptr;  // nullptr: the slot is left as it is
  bool clear = false;                 // the host frees the block and leaves nil
};
FakeHost fake;

nb::HostBool NB_REGISTER FakeAccess(std::int32_t command, nb::HostSlot* slot) {
  fake.command = command;
  fake.received = nb::ReadHostString(*slot);
  fake.givenBlock = *slot;
  if (fake.replacement != nullptr) nb::AssignHostString(slot, fake.replacement);
  if (fake.clear) nb::FreeHostString(slot);
  fake.leftBlock = *slot;
  return fake.answer;
}

bool Freed(void* block) { return GlobalSize(block) == 0; }

class AskHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = FakeHost{};
    nb::Held().interfaceAccess = &FakeAccess;
  }
  void TearDown() override { nb::Held().interfaceAccess = nullptr; }
};

TEST_F(AskHostTest, WithoutTheCallbackNothingIsAsked) {
  nb::Held().interfaceAccess = nullptr;
  EXPECT_FALSE(nb::AskHost(nb::HostCommand::ChooseObject, "Rect1").has_value());
  EXPECT_EQ(fake.command, 0);
}

TEST_F(AskHostTest, HandsOverACopyAndReadsTheSlotAfterwardsFreeingWhateverIsLeft) {
  struct Case {
    const char* what;
    nb::HostCommand command;
    nb::HostBool answer;
    const char* replacement;
    bool clear;
    bool accepted;
    bool leftBlock;
    std::string text;
  };
  const Case cases[] = {
      {"object chooser, new text", nb::HostCommand::ChooseObject, 1, "Rect2", false, true, true, "Rect2"},
      {"variable chooser, declined", nb::HostCommand::ChooseVariable, 0, nullptr, false, false, true,
       "\xC8\xEC\xFF"},
      {"any nonzero byte is true", nb::HostCommand::ChooseVariable, 0x80, "[Count]", false, true, true,
       "[Count]"},
      {"window handle", nb::HostCommand::ObjectWindow, 0, "1234", false, false, true, "1234"},
      {"true, the slot left nil", nb::HostCommand::ChooseObject, 1, nullptr, true, true, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fake = FakeHost{};
    fake.answer = c.answer;
    fake.replacement = c.replacement;
    fake.clear = c.clear;
    const std::string sent = "\xC8\xEC\xFF";  // CP1251 bytes pass unchanged
    auto answer = nb::AskHost(c.command, sent);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(fake.command, static_cast<std::int32_t>(c.command));
    EXPECT_EQ(fake.received, sent);
    EXPECT_EQ(answer->accepted, c.accepted);
    EXPECT_EQ(answer->leftBlock, c.leftBlock);
    EXPECT_EQ(answer->text, c.text);
    if (fake.leftBlock != nullptr) {
      EXPECT_TRUE(Freed(fake.leftBlock));
    }
  }
}

TEST_F(AskHostTest, WithoutABlockForTheQuestionTheHostIsNotAsked) {
  // A nil slot would ask the host about the empty text instead (a chooser
  // would offer the wrong object; command 7 would name no object).
  tarvex::test::HostBlocks blocks;
  blocks.FailAllocation(1);
  EXPECT_FALSE(nb::AskHost(nb::HostCommand::ChooseObject, "Rect1").has_value());
  EXPECT_EQ(fake.command, 0);
  EXPECT_EQ(blocks.Live(), 0u);
}

TEST_F(AskHostTest, TheSlotIsFreedWhenTheHostThrows) {
  static void* block = nullptr;
  nb::Held().interfaceAccess = [](std::int32_t, nb::HostSlot* slot) NB_REGISTER -> nb::HostBool {
    block = *slot;
    throw 1;
  };
  EXPECT_THROW(nb::AskHost(nb::HostCommand::ChooseObject, "Rect1"), int);
  ASSERT_NE(block, nullptr);
  EXPECT_TRUE(Freed(block));
}

}  // namespace
