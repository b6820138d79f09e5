// Every form description stored in the plug-in's resources can be built by
// its form class: each handler it names exists and each component the code
// uses is there (a load checks both).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "decor/About.h"
#include "editors/ComboSpin.h"
#include "editors/EditDuibl.h"
#include "editors/EditFormFiga.h"
#include "editors/EditFormNumber.h"
#include "editors/EditFormOne.h"
#include "editors/EditFree.h"
#include "runtime/UnitFORM.h"
#include "tests/support/stored_resources.h"
#include "toolkit/form.h"
#include "toolkit/visual_styles.h"

namespace {

// Resource name of each stored description -> its form class, built hidden.
const std::map<std::string, std::function<std::unique_ptr<tk::TForm>()>>& FormClasses() {
  static const std::map<std::string, std::function<std::unique_ptr<tk::TForm>()>> classes = {
      {"FORM_ABOUTBOXFORM", [] { return std::make_unique<about::TAboutBoxForm>(nullptr); }},
      {"FORM_IMAGEFORM", [] { return std::make_unique<runtime::TImageForm>(nullptr); }},
      {"FORM_FORMFIGA", [] { return std::make_unique<editors::TFormFiga>(nullptr); }},
      {"FORM_FORMONE", [] { return std::make_unique<editors::TFormOne>(nullptr); }},
      {"FORM_FORMNUMBER", [] { return std::make_unique<editors::TFormNumber>(nullptr); }},
      {"FORM_FORMFREE", [] { return std::make_unique<editors::TFormFree>(nullptr); }},
      {"FORM_DUBLFORM", [] { return std::make_unique<editors::TDublForm>(nullptr); }},
      {"FORM_FORMCOMBOSPIN4", [] { return std::make_unique<editors::TFormComboSpin4>(nullptr); }},
  };
  return classes;
}

TEST(StoredForms, EveryDescriptionBuildsItsFormClass) {
  std::vector<std::string> stored = tarvex::test::StoredResourceNames({"FORM_"});
  ASSERT_FALSE(stored.empty());
  tk::VisualStylesScope styles;
  for (const std::string& name : stored) {
    SCOPED_TRACE(name);
    auto it = FormClasses().find(name);
    ASSERT_NE(it, FormClasses().end()) << "a stored description without a form class";
    try {
      std::unique_ptr<tk::TForm> form = it->second();
      EXPECT_TRUE(form->HandleAllocated());
    } catch (const std::exception& e) {
      ADD_FAILURE() << e.what();
    }
  }
}

}  // namespace
