#include "host/message_boxes.h"

#include <cstring>

namespace host {
namespace {

constexpr int kMessageTextId = 0xFFFF;

MessageBoxCatcher*& Active() {
  static MessageBoxCatcher* active = nullptr;  // the hook procedure has no context
  return active;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The button that answers the box: OK when there is one, else the first that exists.
int AnswerButton(HWND box) {
  for (int id : {IDOK, IDYES, IDCANCEL, IDNO, IDABORT, IDRETRY, IDIGNORE, IDTRYAGAIN, IDCONTINUE}) {
    if (GetDlgItem(box, id)) return id;
  }
  return IDOK;
}

}  // namespace

bool IsMessageBox(HWND window, HMODULE plugin) {
  if (ClassOf(window) != "#32770") return false;
  HWND text = GetDlgItem(window, kMessageTextId);
  if (!text || ClassOf(text) != "Static") return false;
  auto instance = reinterpret_cast<HMODULE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  return !plugin || instance != plugin;
}

MessageBoxCatcher::MessageBoxCatcher(HMODULE plugin, std::function<void(const std::string&)> onMessage)
    : plugin_(plugin),
      onMessage_(std::move(onMessage)),
      handled_(),
      hook_(SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId())) {
  Active() = this;
}

MessageBoxCatcher::~MessageBoxCatcher() {
  if (Active() == this) Active() = nullptr;
}

void MessageBoxCatcher::OnActivate(HWND window) {
  if (handled_.count(window) || !IsMessageBox(window, plugin_)) return;
  handled_.insert(window);
  HWND textControl = GetDlgItem(window, kMessageTextId);
  int length = GetWindowTextLengthA(textControl);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(textControl, text.data(), length + 1);
  text.resize(std::strlen(text.c_str()));
  int button = AnswerButton(window);
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
  if (onMessage_) onMessage_(text);
}

LRESULT CALLBACK MessageBoxCatcher::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  if (MessageBoxCatcher* self = Active()) {
    if (code == HCBT_ACTIVATE) self->OnActivate(reinterpret_cast<HWND>(wParam));
    if (code == HCBT_DESTROYWND) self->handled_.erase(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace host
