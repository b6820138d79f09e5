#pragma once
// The plug-in's about box.

#include <windows.h>

#include "toolkit/form.h"

namespace decor {
class TLinkLabel;
}
namespace tk {
class TLabel;
class TButton;
}  // namespace tk

namespace about {

class TAboutBoxForm : public tk::TForm {
 public:
  // Built from its stored description, owned by parentWindow (may be null).
  explicit TAboutBoxForm(HWND parentWindow);

  void Button1Click();

 private:
  // The version text's smallest height in pixels, should its face's stand-in
  // be very wide.
  static constexpr int kSmallestVersionHeight = 8;

  void FitVersion();
  void ScalingChanged() override { FitVersion(); }

  static const tk::HandlerBinding<TAboutBoxForm> kHandlers[];
  static const tk::ComponentBinding<TAboutBoxForm> kComponents[];

  decor::TLinkLabel* LinkLabel1 = nullptr;
  tk::TLabel* Label2 = nullptr;
  tk::TLabel* Label3 = nullptr;
  tk::TLabel* Label4 = nullptr;
  tk::TButton* Button1 = nullptr;
};

// The about box while ShowAboutBox shows it; null otherwise.
extern TAboutBoxForm* AboutBoxForm;

// Shows the about box modally over the active window; returns when it closes.
void ShowAboutBox();

}  // namespace about
