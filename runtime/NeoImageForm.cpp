#include "runtime/NeoImageForm.h"

#include <utility>

namespace runtime {

void TNeoImageForm::FitToParent() {
  if (!HandleAllocated()) return;
  RECT client{};
  GetClientRect(GetParent(Handle()), &client);
  SetWindowPos(Handle(), HWND_TOP, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_SHOWWINDOW);
  Realign();
}

void TNeoImageForm::PaintInto(HDC dc) {
  if (dc && HandleAllocated()) PaintTo(dc);
}

LRESULT TNeoImageForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NEOBOOK_PLUGIN) return OnHostRequest(wParam, lParam);
  if (message == WM_GETOBJECT)
    if (auto answer = accessibility_.OnGetObject(wParam, lParam)) return *answer;
  return TImageForm::HandleMessage(message, wParam, lParam);
}

void TNeoImageForm::HandleDestroyed() {
  accessibility_.Disconnect();
  if (auto vanished = std::exchange(OnVanished, nullptr)) vanished(*this);
}

LRESULT TNeoImageForm::OnHostRequest(WPARAM wParam, LPARAM lParam) {
  switch (lParam) {
    case hrResize: FitToParent(); break;
    case hrPaint: PaintInto(reinterpret_cast<HDC>(wParam)); break;
    case hrQuery: break;
    case hrDisable: EnableWindow(Handle(), FALSE); break;
    case hrEnable: EnableWindow(Handle(), TRUE); break;
    default: break;
  }
  return 0;  // every request is answered with 0
}

}  // namespace runtime
