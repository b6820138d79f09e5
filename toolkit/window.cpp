#include "toolkit/window.h"

#include <functional>
#include <set>
#include <string>
#include <string_view>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace tk {

namespace {
constexpr wchar_t kClassName[] = L"Tarvex2.Window";

WNDCLASSEXW ToolkitClass(WNDPROC proc, const wchar_t* name) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = ModuleInstance();
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.lpszClassName = name;
  return wc;
}

// The window classes this module has registered, by name: each is
// registered at its first window and unregistered when the module goes.
std::set<std::wstring, std::less<>>& RegisteredClasses() {
  static std::set<std::wstring, std::less<>> names;
  return names;
}

// The name as kept in RegisteredClasses, or nullptr when it cannot be registered.
const wchar_t* Register(const WNDCLASSEXW& wc) {
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  return RegisteredClasses().emplace(wc.lpszClassName).first->c_str();
}

void RegisterToolkitClass(WNDPROC proc) {
  if (RegisteredClasses().contains(std::wstring_view(kClassName))) return;
  Register(ToolkitClass(proc, kClassName));
}

// A window with an icon takes it from a class of its own, one per icon
// resource: given by the class, the icon reaches the window manager once, as
// the window is made, where WM_SETICON on a made window converts both icons
// again each time (about 1.5 ms each under X). nullptr when the module has
// no such icon.
const wchar_t* IconClass(WNDPROC proc, const std::wstring& iconResource) {
  const std::wstring name = std::wstring(kClassName) + L":" + iconResource;
  if (auto it = RegisteredClasses().find(name); it != RegisteredClasses().end()) return it->c_str();
  HICON big = static_cast<HICON>(
      LoadImageW(ModuleInstance(), iconResource.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  if (!big) return nullptr;
  HICON small = static_cast<HICON>(LoadImageW(ModuleInstance(), iconResource.c_str(), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  WNDCLASSEXW wc = ToolkitClass(proc, name.c_str());
  wc.hIcon = big;
  wc.hIconSm = small ? small : big;
  return Register(wc);
}
}  // namespace

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

void UnregisterWindowClasses() {
  for (const std::wstring& name : RegisteredClasses()) UnregisterClassW(name.c_str(), ModuleInstance());
  RegisteredClasses().clear();
}

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
  return Create(kClassName, exStyle, style, parent, x, y, width, height, caption);
}

bool Window::CreateHandleWithIcon(const std::wstring& iconResource, DWORD exStyle, DWORD style, HWND parent,
                                  int x, int y, int width, int height, const wchar_t* caption) {
  const wchar_t* windowClass = IconClass(&Window::WindowProc, iconResource);
  return windowClass && Create(windowClass, exStyle, style, parent, x, y, width, height, caption);
}

bool Window::Create(const wchar_t* windowClass, DWORD exStyle, DWORD style, HWND parent, int x, int y,
                    int width, int height, const wchar_t* caption) {
  HWND hwnd = CreateWindowExW(exStyle, windowClass, caption, style, x, y, width, height, parent,
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
