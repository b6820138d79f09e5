#pragma once
// What assistive technology reads of a window of the plug-in: the
// platform's standard accessible object for the window's client area, with
// the properties that only the window's owner knows (name, role, value,
// state, location) answered by the owner. The owner disconnects the object
// when its window goes; a client that kept it then gets CO_E_OBJNOTCONNECTED
// from every call and nothing of the window or its owner is touched again.

#include <windows.h>
#include <oleacc.h>

#include <atomic>
#include <optional>
#include <string>

#include "toolkit/com_ref.h"

namespace tk {

// The owner's answers about its window's client area; an empty answer
// leaves the standard object's. Asked on the window's thread, and only
// while the object is connected.
class AccessibleSource {
 public:
  virtual std::optional<std::wstring> AccessibleName() const { return std::nullopt; }
  // A ROLE_SYSTEM_* value.
  virtual std::optional<long> AccessibleRole() const { return std::nullopt; }
  virtual std::optional<std::wstring> AccessibleValue() const { return std::nullopt; }
  // The STATE_SYSTEM_* bits, given those of the standard object.
  virtual long AccessibleState(long standard) const { return standard; }
  // In screen coordinates.
  virtual std::optional<RECT> AccessibleLocation() const { return std::nullopt; }

 protected:
  ~AccessibleSource() = default;
};

// The object handed to clients, for the window as a whole (CHILDID_SELF);
// questions about its children go to the standard object unchanged.
class AccessibleObject final : public IAccessible, public IOleWindow {
 public:
  // Null when the platform gives no standard object for the window.
  static ComRef<AccessibleObject> Create(HWND hwnd, const AccessibleSource& source);

  // From now on every call answers CO_E_OBJNOTCONNECTED; the standard object
  // is let go and clients in other processes are cut off.
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: the platform's type information of IAccessible, invoked on
  // this object.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* badArgument) override;

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  // IOleWindow: which window the object stands for.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;

 private:
  AccessibleObject(HWND hwnd, const AccessibleSource& source, ComRef<IAccessible> standard);
  ~AccessibleObject() = default;
  // Loaded at the first late-bound call; null when the platform has none.
  ITypeInfo* TypeInfo();

  std::atomic<ULONG> references_{1};
  HWND hwnd_;
  const AccessibleSource* source_;  // null once disconnected
  ComRef<IAccessible> standard_;
  ComRef<ITypeInfo> typeInfo_;
};

// Held by the window's owner: makes the object at the first request,
// answers WM_GETOBJECT with it and disconnects it when told or when it goes
// itself, whichever comes first. A disconnected server makes no new object.
class AccessibleServer {
 public:
  explicit AccessibleServer(const AccessibleSource& source) : source_(source) {}
  AccessibleServer(const AccessibleServer&) = delete;
  AccessibleServer& operator=(const AccessibleServer&) = delete;
  ~AccessibleServer() { Disconnect(); }

  // The answer to WM_GETOBJECT for the client area (OBJID_CLIENT) of hwnd;
  // empty for any other object, after Disconnect, or when the object cannot
  // be handed over: the window then leaves the message to its default
  // handling.
  std::optional<LRESULT> OnGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam);
  // A reference to the object of hwnd (made when needed); null after
  // Disconnect.
  ComRef<IAccessible> Object(HWND hwnd);
  void Disconnect();

 private:
  const AccessibleSource& source_;
  ComRef<AccessibleObject> object_;
  bool disconnected_ = false;
};

// Tells the clients listening for events (EVENT_OBJECT_VALUECHANGE, _SHOW,
// _HIDE, ...) that the client area of hwnd changed; nothing for no window.
void NotifyClientEvent(DWORD event, HWND hwnd);

}  // namespace tk
