#pragma once
// The host's main window and its rectangle objects: named child windows,
// white with a thin frame, in which the plug-in places its own windows.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace host {

class ObjectsWindow {
 public:
  ObjectsWindow(int clientWidth, int clientHeight);
  ObjectsWindow(const ObjectsWindow&) = delete;
  ObjectsWindow& operator=(const ObjectsWindow&) = delete;
  ~ObjectsWindow();

  HWND Handle() const { return main_; }
  void Show();

  // Names are compared ignoring the case of A to Z. Each returns an error
  // message, empty on success.
  std::string Create(const std::string& name, int x, int y, int width, int height);
  std::string Move(const std::string& name, int x, int y);
  std::string Resize(const std::string& name, int width, int height);
  std::string Destroy(const std::string& name);
  // The host window's client area; its objects stay where they are.
  std::string SetClientSize(int width, int height);
  HWND Find(const std::string& name) const;
  std::vector<std::string> Names() const;

  // Interactive use: a menu whose commands go to onCommand; closing the
  // window goes to onClose.
  void SetMenu(HMENU menu, std::function<void(int)> onCommand, std::function<void()> onClose);

 private:
  struct Object {
    std::string name;
    HWND window;
  };
  static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam);
  LRESULT OnClose();
  std::vector<Object>::iterator FindObject(const std::string& name);

  HWND main_ = nullptr;
  std::vector<Object> objects_;
  std::function<void(int)> onCommand_;
  std::function<void()> onClose_;
};

}  // namespace host
