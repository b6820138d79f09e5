#include "host/objects_window.h"

#include <stdexcept>

#include "host/core/text.h"

namespace host {
namespace {

constexpr wchar_t kMainClass[] = L"TarvexHostMain";
constexpr wchar_t kObjectClass[] = L"TarvexHostObject";

}  // namespace

ObjectsWindow::ObjectsWindow(int clientWidth, int clientHeight) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = MainProc;
  main.hInstance = instance;
  main.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  main.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  main.lpszClassName = kMainClass;
  RegisterClassExW(&main);  // fails harmlessly when a second host window registers again
  WNDCLASSEXW object = main;
  object.lpfnWndProc = DefWindowProcW;
  object.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  object.lpszClassName = kObjectClass;
  RegisterClassExW(&object);

  DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRect(&frame, style, FALSE);
  main_ = CreateWindowExW(0, kMainClass, L"Tarvex host simulator", style, 40, 40,
                          frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                          instance, this);
  if (!main_) throw std::runtime_error("the host window could not be created");
}

ObjectsWindow::~ObjectsWindow() {
  if (main_) {
    SetWindowLongPtrW(main_, GWLP_USERDATA, 0);
    DestroyWindow(main_);
  }
}

void ObjectsWindow::Show() {
  ShowWindow(main_, SW_SHOW);
  SetForegroundWindow(main_);
  SetActiveWindow(main_);
  UpdateWindow(main_);
}

std::vector<ObjectsWindow::Object>::iterator ObjectsWindow::FindObject(const std::string& name) {
  std::string folded = text::FoldAscii(name);
  for (auto it = objects_.begin(); it != objects_.end(); ++it) {
    if (text::FoldAscii(it->name) == folded) return it;
  }
  return objects_.end();
}

std::string ObjectsWindow::Create(const std::string& name, int x, int y, int width, int height) {
  if (FindObject(name) != objects_.end()) return "an object named \"" + name + "\" exists already";
  if (width < 0 || height < 0) return "an object cannot have a negative size";
  HWND window = CreateWindowExW(0, kObjectClass, L"",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                x, y, width, height, main_, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return "the object window could not be created";
  objects_.push_back({name, window});
  return {};
}

std::string ObjectsWindow::Move(const std::string& name, int x, int y) {
  auto it = FindObject(name);
  if (it == objects_.end()) return "no object named \"" + name + "\"";
  SetWindowPos(it->window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return {};
}

std::string ObjectsWindow::Resize(const std::string& name, int width, int height) {
  auto it = FindObject(name);
  if (it == objects_.end()) return "no object named \"" + name + "\"";
  if (width < 0 || height < 0) return "an object cannot have a negative size";
  SetWindowPos(it->window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return {};
}

std::string ObjectsWindow::SetClientSize(int width, int height) {
  if (width <= 0 || height <= 0) return "the host window needs a positive size";
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(main_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(main_, GWL_EXSTYLE)));
  SetWindowPos(main_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return {};
}

std::string ObjectsWindow::Destroy(const std::string& name) {
  auto it = FindObject(name);
  if (it == objects_.end()) return "no object named \"" + name + "\"";
  DestroyWindow(it->window);
  objects_.erase(it);
  return {};
}

HWND ObjectsWindow::Find(const std::string& name) const {
  auto it = const_cast<ObjectsWindow*>(this)->FindObject(name);
  return it == objects_.end() ? nullptr : it->window;
}

std::vector<std::string> ObjectsWindow::Names() const {
  std::vector<std::string> names;
  for (const Object& o : objects_) names.push_back(o.name);
  return names;
}

void ObjectsWindow::SetMenu(HMENU menu, std::function<void(int)> onCommand,
                            std::function<void()> onClose) {
  onCommand_ = std::move(onCommand);
  onClose_ = std::move(onClose);
  ::SetMenu(main_, menu);
}

LRESULT ObjectsWindow::OnCommand(WPARAM wParam) {
  if (onCommand_ && HIWORD(wParam) == 0) onCommand_(LOWORD(wParam));
  return 0;
}

LRESULT ObjectsWindow::OnClose() {
  if (onClose_) onClose_();
  return 0;  // the owner destroys the window
}

LRESULT CALLBACK ObjectsWindow::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ObjectsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_COMMAND: return self->OnCommand(wParam);
      case WM_CLOSE: return self->OnClose();
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace host
