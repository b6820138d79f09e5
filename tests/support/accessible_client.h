#pragma once
// A screen reader's side of a window: the accessible object of its client
// area as another program takes it (AccessibleObjectFromWindow), and the
// object's properties as that program reads them.

#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <string>

#include "toolkit/com_ref.h"

namespace tarvex::test {

// The child id that names the object itself in IAccessible's calls.
inline VARIANT SelfChild() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = CHILDID_SELF;
  return v;
}

// Null when the window hands over no object.
inline tk::ComRef<IAccessible> ClientObjectOf(HWND window) {
  tk::ComRef<IAccessible> object;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), object.PutVoid())))
    return {};
  return object;
}

using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
using NumberProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);

// The object's own text; "<none>" when it answers none, "<error XXXXXXXX>"
// when the call fails.
inline std::wstring ReadText(IAccessible* object, TextProperty property) {
  BSTR text = nullptr;
  const HRESULT hr = (object->*property)(SelfChild(), &text);
  if (FAILED(hr)) {
    wchar_t code[24];
    std::swprintf(code, 24, L"<error %08lX>", static_cast<unsigned long>(hr));
    return code;
  }
  if (!text) return L"<none>";
  std::wstring out(text, SysStringLen(text));
  SysFreeString(text);
  return out;
}

inline std::wstring NameOf(IAccessible* object) { return ReadText(object, &IAccessible::get_accName); }
inline std::wstring ValueOf(IAccessible* object) { return ReadText(object, &IAccessible::get_accValue); }

// The object's own role or state; -1 when the call fails or answers no number.
inline long ReadNumber(IAccessible* object, NumberProperty property) {
  VARIANT v;
  VariantInit(&v);
  if (FAILED((object->*property)(SelfChild(), &v)) || v.vt != VT_I4) return -1;
  return v.lVal;
}

inline long RoleOf(IAccessible* object) { return ReadNumber(object, &IAccessible::get_accRole); }
inline long StateOf(IAccessible* object) { return ReadNumber(object, &IAccessible::get_accState); }

// On the screen; empty when the call fails.
inline RECT LocationOf(IAccessible* object) {
  long x = 0, y = 0, width = 0, height = 0;
  if (FAILED(object->accLocation(&x, &y, &width, &height, SelfChild()))) return RECT{};
  return RECT{x, y, x + width, y + height};
}

}  // namespace tarvex::test
