#include "toolkit/window.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace tk {

namespace {
constexpr wchar_t kClassName[] = L"Tarvex2.Window";

ATOM RegisterToolkitClass(WNDPROC proc) {
  static ATOM atom = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc);
  }();
  return atom;
}
}  // namespace

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

Window::~Window() { DestroyHandle(); }

void Window::DestroyHandle() {
  if (hwnd_) {
    HWND hwnd = hwnd_;
    DestroyWindow(hwnd);
    // WM_NCDESTROY cleared hwnd_; make sure even if the window was already gone.
    hwnd_ = nullptr;
  }
}

bool Window::CreateHandle(DWORD exStyle, DWORD style, HWND parent, int x, int y, int width,
                          int height, const wchar_t* caption) {
  RegisterToolkitClass(&Window::WindowProc);
  HWND hwnd = CreateWindowExW(exStyle, kClassName, caption, style, x, y, width, height, parent,
                              nullptr, ModuleInstance(), this);
  return hwnd != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandler(message, wParam, lParam);
}

LRESULT Window::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    self = static_cast<Window*>(cs->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->HandleDestroyed();
    return result;
  }
  return self->HandleMessage(message, wParam, lParam);
}

}  // namespace tk
