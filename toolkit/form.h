#pragma once
// TForm: a top-level window built from a stored description. The description
// gives its properties and components; the form class binds the handlers that
// the description names and looks up the components its code uses, and
// otherwise only fills, reads and reacts.

#include <windows.h>

#include <exception>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/container.h"

namespace tk {

enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3 };
enum class FormBorderStyle { bsNone, bsSingle, bsDialog };
enum class FormPosition { poDesigned, poScreenCenter };

class TForm : public Container {
 public:
  // className: the class that the description's root object must name.
  explicit TForm(std::string className);
  ~TForm() override;

  std::string Name;
  const std::string& ClassName() const { return className_; }

  // Builds the form from a description: its properties, a hidden top-level
  // window owned by ownerWindow, the components, then BindComponents().
  // Throws form::DescriptionError for anything the description or the
  // registry cannot satisfy.
  void Load(std::string_view description, const ClassRegistry& classes, HWND ownerWindow);
  // The description stored as an RCDATA resource of this module.
  void LoadFromResource(const char* resourceName, const ClassRegistry& classes, HWND ownerWindow);

  // Before loading: the form's window becomes a child of parent (which may
  // be another program's window), at Left/Top of its client area, instead
  // of a top-level window. A child is never layered: alpha and colour key
  // would hide it, so they apply to top-level forms only.
  void SetParentWindow(HWND parent) { parentWindow_ = parent; }
  HWND ParentWindow() const { return parentWindow_; }

  // Stored layered-window settings (applied to top-level forms only).
  bool AlphaBlend() const { return alphaBlend_; }
  int AlphaBlendValue() const { return alphaBlendValue_; }
  bool TransparentColor() const { return transparentColor_; }
  TColor TransparentColorValue() const { return transparentColorValue_; }

  // Disables the owner, shows the form and runs messages until ModalResult
  // is set; hides the form and re-enables the owner. Rethrows an error that
  // a handler raised meanwhile.
  int ShowModal();
  int GetModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // In the modal loop: ends it with mrCancel. Otherwise hides the form.
  void Close();
  bool InModalLoop() const { return inModal_; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  void SetClientSize(int width, int height);

  Component* FindComponent(std::string_view name) const;
  // The component of that name and class; a missing one is a load error.
  template <typename T>
  T& Get(std::string_view name) const {
    Component* c = FindComponent(name);
    T* object = nullptr;
    if (c) {
      if (Control* control = c->AsControl()) object = dynamic_cast<T*>(control);
      if (!object)
        if (WinControl* win = c->AsWinControl()) object = dynamic_cast<T*>(win);
    }
    if (!object) throw form::DescriptionError(0, "the form has no suitable component " +
                                                     std::string(name));
    return *object;
  }

  // Runs a handler; an error in it is kept and ends the modal loop.
  void Invoke(const Handler& handler);

  // For windowed components: ids, the Enter key's button, reflection.
  int NextControlId() { return nextId_++; }
  void RegisterDefaultButton(int controlId);
  void RegisterCancelButton(int controlId);
  WinControl* FindByControlId(int id) const;
  static TForm* FromDescendant(HWND hwnd);

 protected:
  // The handlers that descriptions may name.
  virtual HandlerTable Handlers() { return {}; }
  // Looks up, with Get<T>, every component the code uses.
  virtual void BindComponents() {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetFormProperty(const form::Property& property);
  void CreateFormWindow(HWND ownerWindow);
  void ApplyLayeredSettings();
  void ScaleFontToScreen();
  void CreateComponents(const form::ObjectNode& node, Container& parent, const ClassRegistry& classes,
                        LoadContext& context);
  void ArrangeTabOrder();
  LRESULT OnClose();
  LRESULT OnGetDefId();
  WPARAM MapDialogCommand(WPARAM wParam) const;

  std::string className_;
  std::vector<std::unique_ptr<Component>> components_;
  std::map<std::string, Component*, std::less<>> byName_;
  std::map<int, WinControl*> byId_;
  int nextId_ = 100;
  int defaultButtonId_ = 0;
  int cancelButtonId_ = 0;
  int modalResult_ = mrNone;
  bool inModal_ = false;
  std::exception_ptr pendingError_;

  // Stored properties, applied when the window is made.
  std::string caption_;
  int clientWidth_ = 0, clientHeight_ = 0;
  int left_ = 0, top_ = 0;
  FormBorderStyle borderStyle_ = FormBorderStyle::bsDialog;
  FormPosition position_ = FormPosition::poDesigned;
  std::string iconName_;
  bool visible_ = false;
  int pixelsPerInch_ = 0;  // the fonts' design resolution; 0: never scaled
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 255;
  bool transparentColor_ = false;
  TColor transparentColorValue_ = 0;
  HWND parentWindow_ = nullptr;
};

}  // namespace tk
