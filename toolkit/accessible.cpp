#include "toolkit/accessible.h"

#include <utility>

#include "toolkit/oleacc_library.h"

namespace tk {

namespace {

// Interface ids through __uuidof: the import library's IID_IAccessible is
// not data on every toolchain.
const IID& kAccessibleId = __uuidof(IAccessible);

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT AnswerText(const std::wstring& text, BSTR* out) {
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// A client may call an object handed to it (Release at least) after the
// host has unloaded the plug-in: from the first one on, the module stays
// loaded until the process ends (FreeLibrary then leaves it in place).
void KeepModuleLoaded() {
  static const bool pinned = [] {
    HMODULE self = nullptr;
    return GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                              reinterpret_cast<LPCWSTR>(&KeepModuleLoaded), &self) != 0;
  }();
  (void)pinned;
}

HRESULT AnswerNumber(long number, VARIANT* out) {
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = number;
  return S_OK;
}

}  // namespace

// Every call of a disconnected object ends here, before anything of the
// window or its owner is touched.
#define TK_CONNECTED_OR_FAIL() \
  if (!source_) return CO_E_OBJNOTCONNECTED

ComRef<AccessibleObject> AccessibleObject::Create(HWND hwnd, const AccessibleSource& source) {
  // Without the system's library the window is left to its default
  // handling, as a plain window.
  const OleaccFunctions* oleacc = Oleacc();
  ComRef<IAccessible> standard;
  if (!hwnd || !oleacc ||
      FAILED(oleacc->createStdAccessibleObject(hwnd, OBJID_CLIENT, kAccessibleId, standard.PutVoid())) ||
      !standard)
    return {};
  return ComRef<AccessibleObject>(new AccessibleObject(hwnd, source, std::move(standard)));
}

AccessibleObject::AccessibleObject(HWND hwnd, const AccessibleSource& source, ComRef<IAccessible> standard)
    : hwnd_(hwnd), source_(&source), standard_(std::move(standard)) {}

void AccessibleObject::Disconnect() {
  if (!source_) return;
  source_ = nullptr;
  standard_.Reset();
  typeInfo_.Reset();
  // Stubs that other apartments hold go too; their proxies then answer
  // RPC_E_DISCONNECTED. This object stays alive meanwhile: its owner holds a
  // reference.
  CoDisconnectObject(static_cast<IAccessible*>(this), 0);
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == kAccessibleId) {
    *out = static_cast<IAccessible*>(this);
  } else if (iid == __uuidof(IOleWindow)) {
    *out = static_cast<IOleWindow*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG AccessibleObject::AddRef() { return ++references_; }

ULONG AccessibleObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

ITypeInfo* AccessibleObject::TypeInfo() {
  if (!typeInfo_) {
    // The platform's own description of IAccessible, carried by the oleacc
    // module that made the standard object (never a file of that name found
    // elsewhere); the standard object does not give it on every platform.
    // Never registered: the plug-in writes nothing.
    wchar_t path[MAX_PATH];
    const OleaccFunctions* oleacc = Oleacc();
    const DWORD length = oleacc ? GetModuleFileNameW(oleacc->module, path, MAX_PATH) : 0;
    ComRef<ITypeLib> library;
    if (length > 0 && length < MAX_PATH && SUCCEEDED(LoadTypeLibEx(path, REGKIND_NONE, library.Put())))
      library->GetTypeInfoOfGuid(kAccessibleId, typeInfo_.Put());
  }
  return typeInfo_.get();
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  TK_CONNECTED_OR_FAIL();
  if (!count) return E_POINTER;
  *count = TypeInfo() ? 1 : 0;
  return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  TK_CONNECTED_OR_FAIL();
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  if (!TypeInfo()) return E_NOTIMPL;
  *info = TypeInfo();
  (*info)->AddRef();
  return S_OK;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  TK_CONNECTED_OR_FAIL();
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!TypeInfo()) return E_NOTIMPL;
  return DispGetIDsOfNames(TypeInfo(), names, count, ids);
}

HRESULT AccessibleObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                 VARIANT* result, EXCEPINFO* exception, UINT* badArgument) {
  TK_CONNECTED_OR_FAIL();
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!TypeInfo()) return E_NOTIMPL;
  // Late-bound callers reach this object's answers, not the standard one's.
  return DispInvoke(static_cast<IAccessible*>(this), TypeInfo(), id, flags, params, result, exception,
                    badArgument);
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accParent(parent);
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accChildCount(count);
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** out) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accChild(child, out);
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  TK_CONNECTED_OR_FAIL();
  if (!name) return E_POINTER;
  if (IsSelf(child))
    if (auto text = source_->AccessibleName()) return AnswerText(*text, name);
  return standard_->get_accName(child, name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
  TK_CONNECTED_OR_FAIL();
  if (!value) return E_POINTER;
  if (IsSelf(child))
    if (auto text = source_->AccessibleValue()) return AnswerText(*text, value);
  return standard_->get_accValue(child, value);
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accDescription(child, description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  TK_CONNECTED_OR_FAIL();
  if (!role) return E_POINTER;
  if (IsSelf(child))
    if (auto number = source_->AccessibleRole()) return AnswerNumber(*number, role);
  return standard_->get_accRole(child, role);
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  TK_CONNECTED_OR_FAIL();
  if (!state) return E_POINTER;
  HRESULT hr = standard_->get_accState(child, state);
  if (!IsSelf(child)) return hr;
  long standard = SUCCEEDED(hr) && state->vt == VT_I4 ? state->lVal : 0;
  if (SUCCEEDED(hr)) VariantClear(state);
  return AnswerNumber(source_->AccessibleState(standard), state);
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accHelp(child, help);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accHelpTopic(file, child, topic);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accKeyboardShortcut(child, shortcut);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accFocus(focus);
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accSelection(selection);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  TK_CONNECTED_OR_FAIL();
  return standard_->get_accDefaultAction(child, action);
}

HRESULT AccessibleObject::accSelect(long flags, VARIANT child) {
  TK_CONNECTED_OR_FAIL();
  return standard_->accSelect(flags, child);
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  TK_CONNECTED_OR_FAIL();
  if (!left || !top || !width || !height) return E_POINTER;
  if (IsSelf(child)) {
    if (auto r = source_->AccessibleLocation()) {
      *left = r->left;
      *top = r->top;
      *width = r->right - r->left;
      *height = r->bottom - r->top;
      return S_OK;
    }
  }
  return standard_->accLocation(left, top, width, height, child);
}

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
  TK_CONNECTED_OR_FAIL();
  return standard_->accNavigate(direction, start, end);
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
  TK_CONNECTED_OR_FAIL();
  return standard_->accHitTest(x, y, child);
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  TK_CONNECTED_OR_FAIL();
  return standard_->accDoDefaultAction(child);
}

HRESULT AccessibleObject::put_accName(VARIANT child, BSTR name) {
  TK_CONNECTED_OR_FAIL();
  return standard_->put_accName(child, name);
}

HRESULT AccessibleObject::put_accValue(VARIANT child, BSTR value) {
  TK_CONNECTED_OR_FAIL();
  return standard_->put_accValue(child, value);
}

HRESULT AccessibleObject::GetWindow(HWND* hwnd) {
  TK_CONNECTED_OR_FAIL();
  if (!hwnd) return E_POINTER;
  *hwnd = hwnd_;
  return S_OK;
}

HRESULT AccessibleObject::ContextSensitiveHelp(BOOL) {
  TK_CONNECTED_OR_FAIL();
  return E_NOTIMPL;
}

#undef TK_CONNECTED_OR_FAIL

std::optional<LRESULT> AccessibleServer::OnGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  // The object id travels in the low 32 bits, sign and all.
  if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return std::nullopt;
  ComRef<IAccessible> object = Object(hwnd);
  if (!object) return std::nullopt;
  // The object exists only where the library was loaded.
  LRESULT result = Oleacc()->lresultFromObject(kAccessibleId, wParam, object.get());
  if (result <= 0) return std::nullopt;  // an error code
  KeepModuleLoaded();
  return result;
}

ComRef<IAccessible> AccessibleServer::Object(HWND hwnd) {
  if (disconnected_ || !hwnd) return {};
  if (!object_) object_ = AccessibleObject::Create(hwnd, source_);
  if (!object_) return {};
  object_->AddRef();
  return ComRef<IAccessible>(object_.get());
}

void AccessibleServer::Disconnect() {
  disconnected_ = true;
  if (object_) object_->Disconnect();
  object_.Reset();
}

void NotifyClientEvent(DWORD event, HWND hwnd) {
  if (hwnd) NotifyWinEvent(event, hwnd, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace tk
