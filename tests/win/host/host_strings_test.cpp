#include <gtest/gtest.h>

#include "host/host_strings.h"
#include "host/message_boxes.h"

namespace host {
namespace {

TEST(ParamBlock, HandsOverTextAndNilAndPadsToTheRegisteredCount) {
  ParamBlock block({std::string("Rect1"), std::nullopt, std::string("")}, 5);
  EXPECT_EQ(block.Size(), 5u);
  EXPECT_STREQ(block.Slot(0), "Rect1");
  EXPECT_EQ(block.Slot(1), nullptr);
  EXPECT_STREQ(block.Slot(2), "");
  EXPECT_EQ(block.Slot(4), nullptr);
  EXPECT_TRUE(IsLiveBlock(block.Slot(0)));
  EXPECT_TRUE(block.Changes().empty());
  EXPECT_TRUE(block.ForeignSlots().empty());
}

TEST(ParamBlock, SeesEveryKindOfWrite) {
  struct Case {
    const char* name;
    void (*write)(char** slots);
    std::vector<std::string> changes;
  } cases[] = {
      {"bytes", [](char** s) { s[0][0] = 'X'; }, {"slot 0 was written: \"abc\" became \"Xbc\""}},
      {"replaced", [](char** s) { char* old = s[1]; s[1] = NewHostString("new"); FreeSlot(old); },
       {"slot 1 was replaced"}},
      // The allocator may hand the freed block straight back: still a change.
      {"freed and allocated again", [](char** s) { FreeSlot(s[1]); s[1] = NewHostString("new"); },
       {"slot 1 was written: \"def\" became \"new\""}},
      {"nil filled", [](char** s) { s[2] = NewHostString("x"); }, {"slot 2 was replaced"}},
      {"past the end", [](char** s) { s[3] = NewHostString("x"); }, {"guard slot 3 was replaced"}},
  };
  for (const Case& c : cases) {
    ParamBlock block({std::string("abc"), std::string("def"), std::nullopt}, 0);
    c.write(block.Slots());
    EXPECT_EQ(block.Changes(), c.changes) << c.name;
  }
}

TEST(HostStrings, FreedBlocksAreNoLongerLive) {
  char* slot = NewHostString("text");
  const void* block = slot;
  EXPECT_TRUE(IsLiveBlock(block));
  FreeSlot(slot);
  EXPECT_EQ(slot, nullptr);
  EXPECT_FALSE(IsLiveBlock(block));
  EXPECT_FALSE(IsLiveBlock(nullptr));
}

TEST(MessageBoxes, AreRecordedAndAnsweredAtOnce) {
  struct Case {
    const char* text;
    UINT style;
    int answer;
  } cases[] = {{"Plain", MB_OK, IDOK}, {"\xCF\xF0\xE8\xE2\xE5\xF2?", MB_YESNO | MB_ICONERROR, IDYES}};
  std::vector<std::string> seen;
  MessageBoxCatcher catcher(nullptr, [&](const std::string& text) { seen.push_back(text); });
  for (const Case& c : cases) EXPECT_EQ(MessageBoxA(nullptr, c.text, "Test", c.style), c.answer) << c.text;
  EXPECT_EQ(seen, (std::vector<std::string>{"Plain", "\xCF\xF0\xE8\xE2\xE5\xF2?"}));
}

}  // namespace
}  // namespace host
