#include "decor/About.h"

#include <memory>
#include <string>
#include <string_view>

#include "decor/FormClasses.h"
#include "decor/LinkLabel.h"
#include "base/core/author.h"
#include "base/core/version.h"
#include "toolkit/buttons.h"
#include "toolkit/label.h"
#include "toolkit/visual_styles.h"

namespace about {

TAboutBoxForm* AboutBoxForm = nullptr;

namespace {

// Clears the module-level variable when the about box goes.
class AboutBoxSlot {
 public:
  explicit AboutBoxSlot(TAboutBoxForm* form) { AboutBoxForm = form; }
  AboutBoxSlot(const AboutBoxSlot&) = delete;
  AboutBoxSlot& operator=(const AboutBoxSlot&) = delete;
  ~AboutBoxSlot() { AboutBoxForm = nullptr; }
};

}  // namespace

const tk::HandlerBinding<TAboutBoxForm> TAboutBoxForm::kHandlers[] = {
    {"Button1Click", &TAboutBoxForm::Button1Click},
};

const tk::ComponentBinding<TAboutBoxForm> TAboutBoxForm::kComponents[] = {
    {"LinkLabel1", &TAboutBoxForm::LinkLabel1},
    {"Label2", &TAboutBoxForm::Label2},
    {"Label3", &TAboutBoxForm::Label3},
    {"Label4", &TAboutBoxForm::Label4},
    {"Button1", &TAboutBoxForm::Button1},
};

TAboutBoxForm::TAboutBoxForm(HWND parentWindow) : tk::TForm("TAboutBoxForm") {
  BindTables(this, kHandlers, kComponents);
  FollowScreenScaling();
  LoadFromResource("FORM_ABOUTBOXFORM", decor::FormClasses(), parentWindow);
  LinkLabel1->SetHyperLink(std::string(nb::author::WebSiteWithoutScheme()));
  Label3->SetCaption(Label3->Caption() + std::string(nb::author::kEMail));
  Label2->SetCaption(std::string(nb::product::kAboutVersion));
  FitVersion();
  Label4->SetCaption(std::string(nb::product::kAboutTitle));
}

// The version's script face comes with other programs, not with Windows, and
// where it is missing its stand-in is wider than the label. The text then
// takes the largest height at which the face really selected fits the label:
// it is neither cut nor run under the picture's pie beside it.
void TAboutBoxForm::FitVersion() {
  tk::FontRecord font = Label2->Font();
  const int smallest = Scaling().Length(kSmallestVersionHeight);
  while (Label2->TextSize().cx > Label2->Width() && font.height < -smallest) {
    ++font.height;
    Label2->SetFont(font);
  }
}

void TAboutBoxForm::Button1Click() { Close(); }

void ShowAboutBox() {
  try {
    tk::VisualStylesScope styles;
    auto form = std::make_unique<TAboutBoxForm>(GetActiveWindow());
    AboutBoxSlot slot(form.get());
    form->ShowModal();
  } catch (...) {
    // The about box reports nothing; a failure only means no box.
  }
}

}  // namespace about
