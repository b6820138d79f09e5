#include "decor/LinkLabel.h"

#include <shellapi.h>

#include "toolkit/container.h"

namespace decor {

namespace {
ShellExecuteFunction shellExecute = &ShellExecuteA;
}

void SetShellExecuteFunction(ShellExecuteFunction function) {
  shellExecute = function ? function : &ShellExecuteA;
}

TLinkLabel::TLinkLabel(tk::Container* parent) : tk::TLabel(parent) {
  tk::FontRecord font = Font();
  font.style = tk::fsUnderline;
  font.color = tk::clBlue;
  SetFont(font);
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
  SetCaption("");
}

void TLinkLabel::SetLinkType(TLinkType value) { linkType_ = value; }

void TLinkLabel::SetHyperLink(const std::string& value) {
  hyperLink_ = value;
  if (Caption().empty()) SetCaption(value);
}

void TLinkLabel::MouseDown(int, int) {
  std::string target = LinkTarget(linkType_, hyperLink_);
  HWND owner = Parent() ? Parent()->Handle() : nullptr;
  // Whether a handler opened the target is not reported.
  shellExecute(owner, "Open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace decor
