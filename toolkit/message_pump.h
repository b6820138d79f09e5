#pragma once
// Message pumps for programs that link none of the toolkit: the host
// simulator, its test plug-ins and the soak's driver. Header-only.

#include <windows.h>

namespace tk {

// Dispatches the messages already queued, then returns.
inline void PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Dispatches messages until done() holds or the queue quits. With a dialog
// window, its keyboard navigation (Tab, Enter, Escape) comes first.
template <class Done>
void PumpUntil(Done done, HWND dialog = nullptr) {
  MSG msg;
  while (!done() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (dialog && IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// How a plain modal window ended: OK, Cancel or closed (IDCANCEL).
struct ModalEnd {
  bool done = false;
  int result = IDCANCEL;
};

// The procedure of a plain modal window whose GWLP_USERDATA points to its
// ModalEnd; pump with PumpUntil until the ModalEnd is done.
inline LRESULT CALLBACK ModalEndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* end = reinterpret_cast<ModalEnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (end && message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    end->result = LOWORD(wParam);
    end->done = true;
    return 0;
  }
  if (end && message == WM_CLOSE) {
    end->done = true;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tk
