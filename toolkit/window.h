#pragma once
// A window of the plug-in's own: created from one of its window classes
// (registered on the DLL's instance, never the host's), destroyed with its
// owner object. Messages go to HandleMessage, whose switch only dispatches.

#include <windows.h>

#include <string>

namespace tk {

// The module that holds this code: the plug-in DLL inside the host, the test
// program in tests. Window classes, resources and dialogs use it.
HINSTANCE ModuleInstance();

// Unregisters every window class of this module, as it is unloaded after
// its windows have gone: a class left behind would name a procedure in
// freed code. A window made afterwards registers its class afresh.
void UnregisterWindowClasses();

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  bool HandleAllocated() const { return hwnd_ != nullptr; }
  void DestroyHandle();

 protected:
  // Creates the window; the object receives its messages from WM_NCCREATE on.
  bool CreateHandle(DWORD exStyle, DWORD style, HWND parent, int x, int y, int width,
                    int height, const wchar_t* caption = L"");
  // The same, showing the module's icon resource of that name in its caption
  // and task switcher; false also when the module has no such icon.
  bool CreateHandleWithIcon(const std::wstring& iconResource, DWORD exStyle, DWORD style, HWND parent, int x,
                            int y, int width, int height, const wchar_t* caption);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after the window is gone (WM_NCDESTROY).
  virtual void HandleDestroyed() {}

 private:
  bool Create(const wchar_t* windowClass, DWORD exStyle, DWORD style, HWND parent, int x, int y, int width,
              int height, const wchar_t* caption);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace tk
