#include "decor/About.h"

#include <memory>
#include <string>
#include <string_view>

#include "decor/FormClasses.h"
#include "decor/LinkLabel.h"
#include "plugin/core/author.h"
#include "toolkit/buttons.h"
#include "toolkit/label.h"
#include "toolkit/visual_styles.h"

namespace about {

TAboutBoxForm* AboutBoxForm = nullptr;

namespace {

// The link's kind supplies the scheme; the address is given without it.
std::string WithoutScheme(std::string_view address) {
  constexpr std::string_view kScheme = "http://";
  if (address.substr(0, kScheme.size()) == kScheme) address.remove_prefix(kScheme.size());
  return std::string(address);
}

// Clears the module-level variable when the about box goes.
class AboutBoxSlot {
 public:
  explicit AboutBoxSlot(TAboutBoxForm* form) { AboutBoxForm = form; }
  AboutBoxSlot(const AboutBoxSlot&) = delete;
  AboutBoxSlot& operator=(const AboutBoxSlot&) = delete;
  ~AboutBoxSlot() { AboutBoxForm = nullptr; }
};

}  // namespace

TAboutBoxForm::TAboutBoxForm(HWND parentWindow) : tk::TForm("TAboutBoxForm") {
  LoadFromResource("FORM_ABOUTBOXFORM", decor::FormClasses(), parentWindow);
}

tk::HandlerTable TAboutBoxForm::Handlers() {
  return {{"Button1Click", [this] { Button1Click(); }}};
}

void TAboutBoxForm::BindComponents() {
  auto& link = Get<decor::TLinkLabel>("LinkLabel1");
  link.SetHyperLink(WithoutScheme(nb::author::kWebSite));
  auto& mail = Get<tk::TLabel>("Label3");
  mail.SetCaption(mail.Caption() + std::string(nb::author::kEMail));
  Get<tk::TButton>("Button1");
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
