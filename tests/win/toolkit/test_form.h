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
#include "toolkit/speed_button.h"
#include "toolkit/track_bar.h"

namespace tktest {

class TTestForm : public tk::TForm {
 public:
  // parent: the window that the form is made a child of, else none.
  explicit TTestForm(HWND owner = nullptr, HWND parent = nullptr) : tk::TForm("TTestForm") {
    BindTables(this, kHandlers, kComponents);
    if (parent) SetParentWindow(parent);
    LoadFromResource("FORM_TESTFORM", decor::FormClasses(), owner);
  }
  int kn1Clicks = 0;
  int selects = 0;
  std::function<void()> onKn1;

  void Kn1Click() {
    ++kn1Clicks;
    if (onKn1) onKn1();
  }
  void ComboBox1Select() { ++selects; }

  tk::TLabeledEdit* LEdit1 = nullptr;
  tk::TSpeedButton* Kn1 = nullptr;
  tk::TButton* ButtonOK = nullptr;

 private:
  static constexpr tk::HandlerBinding<TTestForm> kHandlers[] = {
      {"Kn1Click", &TTestForm::Kn1Click},
      {"ComboBox1Select", &TTestForm::ComboBox1Select},
  };
  static inline const tk::ComponentBinding<TTestForm> kComponents[] = {
      {"LEdit1", &TTestForm::LEdit1},
      {"Kn1", &TTestForm::Kn1},
      {"ButtonOK", &TTestForm::ButtonOK},
  };
};

}  // namespace tktest
