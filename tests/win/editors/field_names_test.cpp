// Every field of the eight editors tells assistive technology the caption of
// its group, through the platform's standard object of its window, and a
// client that keeps the object past the dialog reaches nothing of it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/core/editor_texts.h"
#include "tests/support/accessible_client.h"
#include "tests/win/editors/editor_fixture.h"
#include "toolkit/com_ref.h"
#include "toolkit/text.h"
#include "toolkit/win_control.h"

namespace editors::test {
namespace {

using tarvex::test::ClientObjectOf;
using tarvex::test::NameOf;
using tarvex::test::RoleOf;

struct FieldName {
  int action;
  const char* field;
  const LocalisedText& caption;
  // Of the standard object beneath, for edits; a list's depends on the
  // platform (Wine's standard object knows no combo box) and goes unchecked.
  long role;
};

// Without a localisation file: the built-in captions.
const FieldName kFields[] = {
    {1, "LEdit1", figa_captions::kObjectName, ROLE_SYSTEM_TEXT},
    {1, "ComboBox1", figa_captions::kKind, 0},
    {1, "LEdit2", figa_captions::kProgressColour, ROLE_SYSTEM_TEXT},
    {1, "LEdit3", figa_captions::kBackColour, ROLE_SYSTEM_TEXT},
    {1, "LEdit4", figa_captions::kUnderlayColour, ROLE_SYSTEM_TEXT},
    {1, "SpinEdit1", figa_captions::kMinimum, ROLE_SYSTEM_TEXT},
    {1, "SpinEdit2", figa_captions::kMaximum, ROLE_SYSTEM_TEXT},
    {1, "LEdit5", figa_captions::kFont, ROLE_SYSTEM_TEXT},
    {1, "SpinEdit3", figa_captions::kProgress, ROLE_SYSTEM_TEXT},
    {2, "LEdit1", captions::kObjectName, ROLE_SYSTEM_TEXT},
    {3, "LEdit1", captions::kObjectName, ROLE_SYSTEM_TEXT},
    {3, "SpinEdit1", captions::kProgress, ROLE_SYSTEM_TEXT},
    {4, "LEdit1", captions::kObjectName, ROLE_SYSTEM_TEXT},
    {4, "SpinEdit1", captions::kMinimum, ROLE_SYSTEM_TEXT},
    {4, "SpinEdit2", captions::kMaximum, ROLE_SYSTEM_TEXT},
    {5, "LEdit1", captions::kObjectName, ROLE_SYSTEM_TEXT},
    {5, "LEdit2", captions::kBackColour, ROLE_SYSTEM_TEXT},
    {5, "LEdit3", captions::kOutsideColour, ROLE_SYSTEM_TEXT},
    {6, "LEdit1", captions::kObjectName, ROLE_SYSTEM_TEXT},
    {6, "LEdit2", captions::kProgressColour, ROLE_SYSTEM_TEXT},
    {7, "LEdit1", captions::kObjectName, ROLE_SYSTEM_TEXT},
    {7, "LEdit2", captions::kFont, ROLE_SYSTEM_TEXT},
    {8, "LEdit1", captions::kObjectName, ROLE_SYSTEM_TEXT},
    {8, "ComboBox1", captions::kShowHide, 0},
};

class FieldNames : public testing::Test {
 protected:
  tk::ComApartment apartment;
};

TEST_F(FieldNames, EveryFieldIsNamedByTheCaptionOfItsGroup) {
  ASSERT_TRUE(apartment.Ready());
  for (int action = 1; action <= 8; ++action) {
    Slots slots({"Rect1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    EditRun run = RunEdit(action, slots, [&](tk::TForm& form) {
      for (const FieldName& f : kFields) {
        if (f.action != action) continue;
        SCOPED_TRACE(std::to_string(action) + " " + f.field);
        auto object = ClientObjectOf(form.Get<tk::WinControl>(f.field).Handle());
        ASSERT_TRUE(object);
        EXPECT_EQ(NameOf(object.get()), tk::Widen(f.caption.builtIn, tk::kCyrillicCodePage));
        if (f.role != 0) {
          EXPECT_EQ(RoleOf(object.get()), f.role);
        }
      }
    });
    EXPECT_TRUE(run.opened) << action;
  }
}

// A screen reader may hold a field's object after the dialog is gone: it then
// answers that it is disconnected (CO_E_OBJNOTCONNECTED, or RPC_E_DISCONNECTED
// through a proxy) and touches no freed label.
TEST_F(FieldNames, ObjectsKeptPastTheDialogAreDisconnected) {
  ASSERT_TRUE(apartment.Ready());
  for (int action : {1, 5}) {
    SCOPED_TRACE(action);
    std::vector<tk::ComRef<IAccessible>> kept;
    Slots slots({"Rect1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    RunEdit(action, slots, [&](tk::TForm& form) {
      for (const char* field : {"LEdit1", "LEdit2", "LEdit3"}) {
        kept.push_back(ClientObjectOf(form.Get<tk::WinControl>(field).Handle()));
        ASSERT_TRUE(kept.back());
        EXPECT_NE(NameOf(kept.back().get()).rfind(L"<", 0), 0u);
      }
    });
    for (const auto& object : kept) {
      const std::wstring name = NameOf(object.get());
      EXPECT_TRUE(name == L"<error 800401FD>" || name == L"<error 80010108>") << std::string(name.begin(), name.end());
    }
  }
}

}  // namespace
}  // namespace editors::test
