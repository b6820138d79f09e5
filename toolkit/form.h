#pragma once
// TForm: a top-level window built from a stored description. The description
// gives its properties and components; the form class binds the handlers that
// the description names and looks up the components its code uses, and
// otherwise only fills, reads and reacts.

#include <windows.h>

#include <cstddef>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/window_text.h"
#include "toolkit/component.h"
#include "toolkit/container.h"
#include "toolkit/core/layout_scale.h"

namespace tk {

enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3 };
enum class FormBorderStyle { bsNone, bsSingle, bsDialog };
enum class FormPosition { poDesigned, poScreenCenter };

// Binding by table: a form class names its handlers and the components its
// code uses once, e.g. in its .cpp file
//   constexpr tk::HandlerBinding<TFormOne> TFormOne::kHandlers[] = {
//       {"Kn1Click", &TFormOne::Kn1Click}};
//   const tk::ComponentBinding<TFormOne> TFormOne::kComponents[] = {
//       {"LEdit1", &TFormOne::LEdit1}};
// and calls BindTables(this, kHandlers, kComponents) before loading.
template <typename F>
struct HandlerBinding {
  const char* name;
  void (F::*method)();
};

// A component pointer member and the name of its component; the type is
// checked when the form is loaded (a missing or other component is a load
// error naming it).
template <typename F>
class ComponentBinding {
 public:
  template <typename T>
  ComponentBinding(const char* name, T* F::*member)
      : name_(name), bind_([member, name](F& form) { form.*member = &form.template Get<T>(name); }) {}
  const char* Name() const { return name_; }
  void Bind(F& form) const { bind_(form); }

 private:
  const char* name_;
  std::function<void(F&)> bind_;
};

// The fragments that descriptions include, stored in this module as RCDATA
// resources FRAGMENT_<NAME IN CAPITALS>.
form::FragmentSource ModuleFragments();

// The automation message every form window answers (sent, same thread):
// wParam a component's name (const char*), lParam a RECT* that receives its
// bounds in the form's client coordinates, all zero when it or one of its
// parents is hidden. Result: 0 for no such component, the native window of a
// windowed one (a labelled edit's or spin box's edit, a combo box, a button),
// 1 for a windowless one.
UINT FindComponentMessage();

class TForm : public Container {
 public:
  // className: the class that the description's root object must name.
  explicit TForm(std::string className);
  ~TForm() override;

  std::string Name;
  const std::string& ClassName() const { return className_; }

  // Builds the form from a description: its properties, a hidden top-level
  // window owned by ownerWindow, the components, then BindComponents().
  // The description's include lines take fragments from ModuleFragments().
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

  // Disables the owner and every other enabled visible top-level window of
  // the thread, shows the form and runs messages until ModalResult is set;
  // hides the form and enables again the windows it disabled. Rethrows an
  // error that a handler raised meanwhile.
  int ShowModal();
  int GetModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // In the modal loop: ends it with mrCancel. Otherwise hides the form.
  void Close();
  bool InModalLoop() const { return inModal_; }

  std::string Caption() const { return caption_.Get(HandleAllocated() ? Handle() : nullptr).bytes; }
  void SetCaption(const std::string& caption) { SetCaption(CodedText{caption, kAnsiCodePage}); }
  // Bytes in a stated code page, shown through the wide-character API.
  void SetCaption(const CodedText& caption);
  CodedText CaptionText() const { return caption_.Get(HandleAllocated() ? Handle() : nullptr); }
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

  // Binding by table (see HandlerBinding); call before loading. The tables'
  // handlers join those of Handlers(); their components are looked up after
  // loading, before BindComponents().
  template <typename F, std::size_t N>
  void BindHandlerTable(F* self, const HandlerBinding<F> (&table)[N]) {
    for (const HandlerBinding<F>& b : table) {
      void (F::*method)() = b.method;
      boundHandlers_.emplace_back(b.name, [self, method] { (self->*method)(); });
    }
  }
  template <typename F, std::size_t N>
  void BindComponentTable(F* self, const ComponentBinding<F> (&table)[N]) {
    for (const ComponentBinding<F>& b : table) componentBinders_.push_back([self, b] { b.Bind(*self); });
  }
  template <typename F, std::size_t H, std::size_t C>
  void BindTables(F* self, const HandlerBinding<F> (&handlers)[H],
                  const ComponentBinding<F> (&components)[C]) {
    BindHandlerTable(self, handlers);
    BindComponentTable(self, components);
  }

  // Runs a handler; an error in it is kept and ends the modal loop.
  void Invoke(const Handler& handler);

  // For windowed components: ids, the Enter key's button, reflection.
  int NextControlId() { return nextId_++; }
  void RegisterDefaultButton(int controlId);
  void RegisterCancelButton(int controlId);
  WinControl* FindByControlId(int id) const;
  // The form's windowed component whose window this is, else nullptr;
  // answered from the form's own table (no window property is asked).
  WinControl* ControlOf(HWND hwnd) const;
  // Each windowed component enters itself when its window is attached and
  // leaves when it goes.
  void AddControl(WinControl* control);
  void ForgetControl(const WinControl* control);
  // The form of a window of it (its own or a descendant's).
  static TForm* FromDescendant(HWND hwnd);

  // Before loading: the layout grows with the resolution of the owner's
  // screen (toolkit/core/layout_scale.h), and again when the form moves to a
  // monitor of another resolution. Forms that are placed by their code from
  // another program's coordinates (the gauge windows) keep their pixels.
  void FollowScreenScaling() { followsScreen_ = true; }
  LayoutScale Scaling() const override { return scaling_; }
  // Bounds given by code in the form's design pixels, scaled by their edges
  // as the description's are: left, top, width, height in the form's
  // client coordinates.
  RECT ScaledBounds(int left, int top, int width, int height) const;

 protected:
  // The handlers that descriptions may name, besides those bound by table.
  virtual HandlerTable Handlers() { return {}; }
  // Looks up, with Get<T>, every component the code uses (besides those
  // bound by table, which are looked up first).
  virtual void BindComponents() {}
  // After the layout was scaled anew: the form places again what its code
  // placed.
  virtual void ScalingChanged() {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetFormProperty(const form::Property& property);
  void CreateFormWindow(HWND ownerWindow);
  void ApplyLayeredSettings();
  // The window rectangle around a client rectangle.
  void AdjustFrame(RECT& client, DWORD style, DWORD exStyle) const;
  void ScaleFontToScreen();
  void CreateComponents(const form::ObjectNode& node, Container& parent, const ClassRegistry& classes,
                        LoadContext& context);
  void ArrangeTabOrder();
  LRESULT OnClose();
  LRESULT OnFindComponent(const char* name, RECT* bounds);
  LRESULT OnGetDefId();
  LRESULT OnDpiChanged(WPARAM wParam, const RECT& suggested);
  void ApplyScaledLayout(const form::ObjectNode& scaled);
  WPARAM MapDialogCommand(WPARAM wParam) const;

  std::string className_;
  HandlerTable boundHandlers_;
  std::vector<std::function<void()>> componentBinders_;
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
  WindowCaption caption_;
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
  bool followsScreen_ = false;
  LayoutScale scaling_;
  form::ObjectNode design_;  // the description as written, kept by forms that follow the screen
};

}  // namespace tk
