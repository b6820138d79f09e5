// The editors' field table against the stored descriptions: every editor
// dialog has one, each name in it is a component of the right class in the
// dialog's description, every edit and list of the description is a field,
// and a dialog class without a table fails loudly.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "editors/core/editor_fields.h"
#include "tests/support/source_descriptions.h"

namespace editors {
namespace {

using tk::form::ObjectNode;

// Component name -> class, over the whole description.
std::map<std::string, std::string, std::less<>> ComponentClasses(const ObjectNode& root) {
  std::map<std::string, std::string, std::less<>> classes;
  tk::form::ForEachObject(root, [&](const ObjectNode& node) { classes[node.name] = node.className; });
  return classes;
}

// Spin boxes that a description holds but no edit routine ever shows.
const std::set<std::string_view> kNeverShown = {"TFormComboSpin4.SpinEdit4"};

TEST(EditorFields, EveryEditorDescriptionHasAFieldTableThatNamesItsComponents) {
  const auto files = tarvex::test::SourceDescriptions("editors");
  ASSERT_FALSE(files.empty()) << "no descriptions under " << tarvex::test::SourceRoot();
  for (const auto& file : files) {
    const ObjectNode root = tarvex::test::ParseSourceDescription(file);
    SCOPED_TRACE(root.className);
    std::span<const EditorField> fields;
    ASSERT_NO_THROW(fields = EditorFields(root.className));
    const auto classes = ComponentClasses(root);
    auto classOf = [&](std::string_view name) {
      auto it = classes.find(name);
      return it == classes.end() ? std::string("(none)") : it->second;
    };
    std::set<std::string_view> listed;
    for (const EditorField& f : fields) {
      SCOPED_TRACE(std::string(f.field));
      listed.insert(f.field);
      const std::string fieldClass = classOf(f.field);
      EXPECT_TRUE(fieldClass == "TLabeledEdit" || fieldClass == "TSpinEdit" || fieldClass == "TComboBox")
          << fieldClass;
      if (f.caption == f.field) {
        EXPECT_EQ(fieldClass, "TLabeledEdit") << "only a labelled edit is its own caption";
      } else {
        EXPECT_EQ(classOf(f.caption), "TLabel") << f.caption;
      }
      for (std::string_view button : {f.choosers[0], f.choosers[1], f.variable}) {
        if (!button.empty()) {
          EXPECT_EQ(classOf(button), "TSpeedButton") << button;
        }
      }
    }
    for (const auto& [name, className] : classes) {
      const bool input = className == "TLabeledEdit" || className == "TComboBox" || className == "TSpinEdit";
      if (input && !kNeverShown.count(root.className + "." + name)) {
        EXPECT_TRUE(listed.count(name)) << name << " has no entry in the field table";
      }
    }
  }
}

TEST(EditorFields, ADialogWithoutATableFailsLoudly) {
  for (std::string_view dialogClass : {"TFormUnlisted", "", "tformfiga", "TAboutBoxForm"}) {
    try {
      EditorFields(dialogClass);
      ADD_FAILURE() << "[" << dialogClass << "] answered a table";
    } catch (const std::logic_error& e) {
      EXPECT_NE(std::string(e.what()).find(std::string(dialogClass)), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace editors
