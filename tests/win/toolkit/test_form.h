#pragma once
// The test dialog: one component of every toolkit class, with counting handlers.

#include <functional>

#include "decor/FormClasses.h"
#include "toolkit/buttons.h"
#include "toolkit/edits.h"
#include "toolkit/form.h"
#include "toolkit/graphics.h"
#include "toolkit/lists.h"
#include "toolkit/panel.h"

namespace tktest {

class TTestForm : public tk::TForm {
 public:
  explicit TTestForm(HWND owner = nullptr) : tk::TForm("TTestForm") {
    LoadFromResource("FORM_TESTFORM", decor::FormClasses(), owner);
  }
  int kn1Clicks = 0;
  int selects = 0;
  std::function<void()> onKn1;

 protected:
  tk::HandlerTable Handlers() override {
    return {{"Kn1Click",
             [this] {
               ++kn1Clicks;
               if (onKn1) onKn1();
             }},
            {"ComboBox1Select", [this] { ++selects; }}};
  }
  void BindComponents() override {
    Get<tk::TLabeledEdit>("LEdit1");
    Get<tk::TSpeedButton>("Kn1");
    Get<tk::TButton>("ButtonOK");
  }
};

}  // namespace tktest
