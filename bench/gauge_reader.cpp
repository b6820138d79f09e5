#include "bench/gauge_reader.h"

#include <psapi.h>

#include "tests/support/accessible_client.h"

namespace harness {

namespace {

using tarvex::test::SelfChild;

bool TextIs(IAccessible* object, tarvex::test::TextProperty property, const std::wstring& expected) {
  return tarvex::test::ReadText(object, property) == expected;
}

long CommittedKb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return static_cast<long>(counters.PagefileUsage / 1024);
}

// Hands over its standard object, through the same calls as the plug-in.
LRESULT CALLBACK StandardObjectProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
    auto* object = reinterpret_cast<IAccessible*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (object) return LresultFromObject(__uuidof(IAccessible), wParam, object);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

double PlatformKeptPerTakeKb(int samples) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = StandardObjectProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"Tarvex2.SoakStandardObject";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              wc.hInstance, nullptr);
  tk::ComRef<IAccessible> standard;
  if (!window || FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                  standard.PutVoid()))) {
    if (window) DestroyWindow(window);
    return 0;
  }
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(standard.get()));
  auto take = [window] {
    tk::ComRef<IAccessible> object;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), object.PutVoid());
  };
  for (int i = 0; i < 100; ++i) take();  // the first takes set up the apartment's tables
  const long before = CommittedKb();
  for (int i = 0; i < samples; ++i) take();
  const long after = CommittedKb();
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  return samples > 0 ? static_cast<double>(after - before) / samples : 0;
}

GaugeReader::GaugeReader(HWND objectWindow) {
  HWND gauge = GetWindow(objectWindow, GW_CHILD);
  if (gauge) AccessibleObjectFromWindow(gauge, OBJID_CLIENT, __uuidof(IAccessible), object_.PutVoid());
}

bool GaugeReader::Reads(const std::wstring& name, const std::wstring& value) const {
  if (!object_) return false;
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  long x, y, width, height;
  return SUCCEEDED(object_->get_accRole(SelfChild(), &role)) && role.vt == VT_I4 &&
         role.lVal == ROLE_SYSTEM_PROGRESSBAR && SUCCEEDED(object_->get_accState(SelfChild(), &state)) &&
         SUCCEEDED(object_->accLocation(&x, &y, &width, &height, SelfChild())) &&
         TextIs(object_.get(), &IAccessible::get_accName, name) &&
         TextIs(object_.get(), &IAccessible::get_accValue, value);
}

bool GaugeReader::Disconnected() const {
  if (!object_) return false;
  BSTR text = nullptr;
  VARIANT role;
  VariantInit(&role);
  return object_->get_accValue(SelfChild(), &text) == CO_E_OBJNOTCONNECTED &&
         object_->get_accRole(SelfChild(), &role) == CO_E_OBJNOTCONNECTED;
}


}  // namespace harness
