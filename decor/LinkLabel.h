#pragma once
// TLinkLabel: a label that opens its link with the system shell when pressed.

#include <windows.h>

#include <string>

#include "decor/core/link_target.h"
#include "toolkit/label.h"

namespace decor {

class TLinkLabel : public tk::TLabel {
 public:
  // Underlined blue text with the hand cursor, kind lthttp, no caption.
  explicit TLinkLabel(tk::Container* parent = nullptr);

  TLinkType LinkType() const { return linkType_; }
  void SetLinkType(TLinkType value);
  const std::string& HyperLink() const { return hyperLink_; }
  // Also becomes the caption while the caption is empty.
  void SetHyperLink(const std::string& value);

  // The left button opens prefix + link; the press is not passed on, so the
  // label raises no click of its own.
  void MouseDown(int x, int y) override;
  void Click() override {}

 protected:
  tk::ColorRole TextRole() const override { return tk::ColorRole::Link; }

 private:
  TLinkType linkType_ = lthttp;
  std::string hyperLink_;
};

// The shell call behind every link label (ShellExecuteA by default), so that
// tests can see the target without starting a browser. nullptr restores it.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
void SetShellExecuteFunction(ShellExecuteFunction function);

}  // namespace decor
