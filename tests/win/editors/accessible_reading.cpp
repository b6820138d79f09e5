#include "tests/win/editors/accessible_reading.h"

#include <cstdio>

namespace editors::test {
namespace {

VARIANT Self() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = CHILDID_SELF;
  return v;
}

}  // namespace

tk::ComRef<IAccessible> ClientObject(HWND window) {
  tk::ComRef<IAccessible> object;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), object.PutVoid()))) return {};
  return object;
}

std::wstring NameOf(IAccessible* object) {
  BSTR name = nullptr;
  HRESULT hr = object->get_accName(Self(), &name);
  if (FAILED(hr)) {
    wchar_t code[24];
    std::swprintf(code, 24, L"<error %08lX>", static_cast<unsigned long>(hr));
    return code;
  }
  if (!name) return L"<none>";
  std::wstring text(name, SysStringLen(name));
  SysFreeString(name);
  return text;
}

long RoleOf(IAccessible* object) {
  VARIANT role;
  VariantInit(&role);
  if (FAILED(object->get_accRole(Self(), &role)) || role.vt != VT_I4) return -1;
  return role.lVal;
}

}  // namespace editors::test
