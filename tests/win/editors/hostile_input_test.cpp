// The eight editors on hostile input: slots of any length and any bytes, and
// host choosers that answer oddly or call back into the plug-in. Nothing may
// crash, nothing the author wrote may be lost, and the GDI and USER objects
// and the host's blocks stay as many as before.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/PlugInUtils.h"
#include "plugin/boundary.h"
#include "tests/support/host_blocks.h"
#include "tests/win/editors/editor_fixture.h"
#include "toolkit/edits.h"
#include "toolkit/gui_objects.h"
#include "toolkit/speed_button.h"

namespace editors::test {
namespace {

using tarvex::test::HostBlocks;

std::string Repeated(std::size_t size, std::string_view pattern) {
  std::string text;
  text.reserve(size);
  while (text.size() < size) text += pattern;
  text.resize(size);
  return text;
}

std::string ControlBytes() {
  std::string text = "a\rb\nc\r\nd";
  for (char c = 1; c < 32; ++c) text += c;
  return text + "e";
}

std::string HighBytes() {
  std::string text;
  for (int c = 0x80; c <= 0xFF; ++c) text += static_cast<char>(c);
  return text;
}

struct HostileText {
  const char* what;
  std::optional<std::string> text;  // nothing: a nil slot
};

const std::string& Megabyte() {
  static const std::string text = Repeated(1 << 20, "Rect[Count] 0123456789,");
  return text;
}

const std::vector<HostileText>& HostileTexts() {
  static const std::vector<HostileText> texts = {
      {"1 MB", Megabyte()},
      {"100,000 characters without a line end", Repeated(100000, "abcdefghij")},
      {"CR, LF and other control bytes", ControlBytes()},
      {"every byte 0x80 to 0xFF", HighBytes()},
      {"nil", std::nullopt},
  };
  return texts;
}

// A host chooser button, the field it fills and that field's slot.
struct Chooser {
  const char* button;
  const char* field;
  std::size_t slot;
};

struct Editor {
  int action;
  // What OK writes for nil slots, one per slot of the action.
  std::vector<std::string> nilWritesBack;
  std::vector<Chooser> choosers;
  // The flag pair is written back as a pair: its slot is not kept byte for
  // byte (its own tests say how it is read and written).
  int flagSlot = -1;
};

const std::vector<Editor>& Editors() {
  static const std::vector<Chooser> objectName = {{"Kn1", "LEdit1", 0}, {"SpeedVariable", "LEdit1", 0}};
  static const std::vector<Editor> editors = {
      {1,
       {"", "", "", "", "", "0", "100", "", "0", "False|False"},
       {{"Kn1", "LEdit1", 0},
        {"SpeedVariable", "LEdit1", 0},
        {"SpeedButton1", "LEdit2", 2},
        {"SpeedButton3", "LEdit3", 3},
        {"SpeedButton6", "LEdit4", 4},
        {"SpeedButton8", "LEdit5", 7}},
       9},
      {2, {""}, objectName},
      {3, {"", "0"}, {{"Kn1", "LEdit1", 0}, {"Kn2", "LEdit1", 0}}},
      {4, {"", "0", "0"}, {{"Kn1", "LEdit1", 0}, {"Kn2", "LEdit1", 0}}},
      {5,
       {"", "", ""},
       {{"Kn1", "LEdit1", 0},
        {"SpeedVariable", "LEdit1", 0},
        {"SpeedButton2", "LEdit2", 1},
        {"SpeedButton4", "LEdit3", 2}}},
      {6, {"", ""}, {{"Kn1", "LEdit1", 0}, {"SpeedVariable", "LEdit1", 0}, {"SpeedButton2", "LEdit2", 1}}},
      {7, {"", ""}, {{"Kn1", "LEdit1", 0}, {"SpeedVariable", "LEdit1", 0}, {"SpeedButton2", "LEdit2", 1}}},
      {8, {"", ""}, objectName},
  };
  return editors;
}

std::vector<const char*> SlotTexts(const Editor& editor, const std::optional<std::string>& text) {
  return std::vector<const char*>(editor.nilWritesBack.size(), text ? text->c_str() : nullptr);
}

// GDI and USER objects and host blocks, before and after.
struct Counts {
  tk::GuiObjects gui;
  std::size_t blocks;
};

Counts Take(const HostBlocks& blocks) { return {tk::CountGuiObjects(), blocks.Live()}; }

// The blocks that the slots hold.
std::size_t Held(const Slots& slots, std::size_t count) {
  std::size_t held = 0;
  for (std::size_t i = 0; i < count; ++i) held += slots[i] != nullptr ? 1 : 0;
  return held;
}

void ExpectFlat(const Counts& before, const Counts& after) {
  EXPECT_EQ(after.gui.gdi, before.gui.gdi);
  EXPECT_EQ(after.gui.user, before.gui.user);
  EXPECT_EQ(after.blocks, before.blocks);
}

TEST(HostileSlots, CancelLeavesThemAndOkWritesBackEveryByte) {
  HostBlocks blocks;
  for (const Editor& editor : Editors()) {
    SCOPED_TRACE("action " + std::to_string(editor.action));
    // The first dialogs let the system set up its caches (fonts for the
    // characters shown among them).
    for (const HostileText& hostile : HostileTexts()) {
      Slots warmUp(SlotTexts(editor, hostile.text));
      RunEdit(editor.action, warmUp, nullptr, Ending::Ok);
    }
    const Counts before = Take(blocks);
    for (const HostileText& hostile : HostileTexts()) {
      for (Ending ending : {Ending::Cancel, Ending::Ok}) {
        // A megabyte in every field takes seconds under Wine; OK shows all
        // that Cancel would.
        if (hostile.text == Megabyte() && ending == Ending::Cancel) continue;
        SCOPED_TRACE(std::string(hostile.what) + (ending == Ending::Ok ? ", OK" : ", Cancel"));
        Slots slots(SlotTexts(editor, hostile.text));
        std::vector<nb::HostSlot> handedOver;
        for (std::size_t i = 0; i < editor.nilWritesBack.size(); ++i) handedOver.push_back(slots[i]);
        const std::size_t count = editor.nilWritesBack.size();
        // Besides the slots' blocks, none comes or goes.
        const std::size_t others = blocks.Live() - Held(slots, count);
        const EditRun run = RunEdit(editor.action, slots, nullptr, ending);
        EXPECT_TRUE(run.opened);
        EXPECT_EQ(run.result, ending == Ending::Ok);
        EXPECT_EQ(blocks.Live() - Held(slots, count), others);
        for (std::size_t i = 0; i < handedOver.size(); ++i) {
          SCOPED_TRACE("slot " + std::to_string(i));
          if (ending == Ending::Cancel) {
            EXPECT_EQ(slots[i], handedOver[i]);
            continue;
          }
          ASSERT_NE(slots[i], nullptr);
          if (static_cast<int>(i) == editor.flagSlot && hostile.text) continue;
          const std::string& expected = hostile.text ? *hostile.text : editor.nilWritesBack[i];
          const std::string written = nb::ReadHostString(slots[i]);
          EXPECT_EQ(written.size(), expected.size());
          EXPECT_TRUE(written == expected) << "the text written back differs";
        }
      }
    }
    ExpectFlat(before, Take(blocks));
  }
}

TEST(HostileSlots, AFieldTheAuthorChangedWritesWhatItHolds) {
  const std::string& longLine = *HostileTexts()[1].text;
  for (const Editor& editor : Editors()) {
    SCOPED_TRACE("action " + std::to_string(editor.action));
    Slots slots(SlotTexts(editor, longLine));
    const EditRun run = RunEdit(
        editor.action, slots,
        [](tk::TForm& form) {
          // As the author types: the window's text changes and it tells so.
          SetWindowTextW(form.Get<tk::TEdit>("LEdit1").Handle(), L"Rect2");
        },
        Ending::Ok);
    ASSERT_TRUE(run.result);
    EXPECT_EQ(nb::ReadHostString(slots[0]), "Rect2");
    for (std::size_t i = 1; i < editor.nilWritesBack.size(); ++i) {
      if (static_cast<int>(i) == editor.flagSlot) continue;
      EXPECT_TRUE(nb::ReadHostString(slots[i]) == longLine) << "slot " << i;
    }
  }
}

// What the host does when a chooser asks it.
enum class Answer { Megabyte, EmptyBlock, NilSlot, FalseAfterReplacing, EditsInside, ExecutesInside };

struct HostPlay {
  Answer answer = Answer::Megabyte;
  int action = 0;
  int calls = 0;
};
HostPlay play;

const std::string kKept = "Kept[Var]";
const std::string kNested = "Nested";

// Another edit from inside a chooser: one of the same dialog class is
// refused, one of another class opens over the dialog and is cancelled.
void EditInside(int action) {
  Slots same({"Inner", "1", "2", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
  const nb::HostSlot given = same[0];
  const EditRun refused = RunEdit(action, same, nullptr, Ending::Ok);
  EXPECT_FALSE(refused.opened);
  EXPECT_FALSE(refused.result);
  EXPECT_EQ(same[0], given);
  Slots other({"Inner", "Show"});
  const int otherAction = action == 2 ? 8 : 2;
  const EditRun cancelled = RunEdit(otherAction, other, nullptr, Ending::Cancel);
  EXPECT_TRUE(cancelled.opened);
  EXPECT_FALSE(cancelled.result);
}

nb::HostBool NB_REGISTER HostileAccess(std::int32_t command, nb::HostSlot* slot) {
  ++play.calls;
  EXPECT_TRUE(command == 8 || command == 14) << command;
  switch (play.answer) {
    case Answer::Megabyte:
      nb::AssignHostString(slot, Megabyte());
      return 1;
    case Answer::EmptyBlock:
      nb::AssignHostString(slot, "");
      return 1;
    case Answer::NilSlot:
      nb::FreeHostString(slot);
      return 1;
    case Answer::FalseAfterReplacing:
      nb::AssignHostString(slot, "Declined");
      return 0;
    case Answer::EditsInside:
      EditInside(play.action);
      nb::AssignHostString(slot, kNested);
      return 1;
    case Answer::ExecutesInside: {
      Slots exec({"NoSuchGauge", "5", nullptr});
      EXPECT_EQ(nbExecAction(3, exec.data()), 0);
      nb::AssignHostString(slot, kNested);
      return 1;
    }
  }
  return 0;
}

TEST(HostileChoosers, AFieldTakesATextOnlyFromATrueAnswerWithABlock) {
  struct Case {
    const char* what;
    Answer answer;
    std::optional<std::string> field;  // nothing: the field keeps its text
  };
  const Case cases[] = {
      {"true with 1 MB", Answer::Megabyte, Megabyte()},
      {"true with an empty block", Answer::EmptyBlock, ""},
      {"true after replacing the block with nil", Answer::NilSlot, std::nullopt},
      {"false after replacing the block", Answer::FalseAfterReplacing, std::nullopt},
      {"edits inside the chooser", Answer::EditsInside, kNested},
      {"executes an action inside the chooser", Answer::ExecutesInside, kNested},
  };
  HostBlocks blocks;
  nbRegisterInterfaceAccess(&HostileAccess);
  for (const Editor& editor : Editors()) {
    SCOPED_TRACE("action " + std::to_string(editor.action));
    // The first dialogs, the nested one among them, let the system set up
    // its caches.
    play = HostPlay{Answer::EditsInside, editor.action, 0};
    {
      Slots warmUp(SlotTexts(editor, kKept));
      RunEdit(editor.action, warmUp, [&](tk::TForm& form) {
        for (const Chooser& c : editor.choosers) form.Get<tk::TSpeedButton>(c.button).OnClick();
      });
    }
    const Counts before = Take(blocks);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      play = HostPlay{c.answer, editor.action, 0};
      Slots slots(SlotTexts(editor, kKept));
      const EditRun run = RunEdit(
          editor.action, slots,
          [&](tk::TForm& form) {
            for (const Chooser& chooser : editor.choosers) {
              SCOPED_TRACE(chooser.button);
              tk::TEdit& field = form.Get<tk::TEdit>(chooser.field);
              field.SetText(kKept);
              tk::TSpeedButton& button = form.Get<tk::TSpeedButton>(chooser.button);
              ASSERT_TRUE(button.OnClick);
              button.OnClick();
              EXPECT_TRUE(field.Text() == c.field.value_or(kKept)) << field.Text().substr(0, 40);
            }
          },
          Ending::Ok);
      EXPECT_TRUE(run.result);
      EXPECT_EQ(play.calls, static_cast<int>(editor.choosers.size()));
      // Each field went back with what its last chooser left there.
      for (const Chooser& chooser : editor.choosers) {
        EXPECT_TRUE(nb::ReadHostString(slots[chooser.slot]) == c.field.value_or(kKept)) << chooser.field;
      }
    }
    ExpectFlat(before, Take(blocks));
  }
  nbRegisterInterfaceAccess(nullptr);
}

}  // namespace
}  // namespace editors::test
