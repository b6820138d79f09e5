#include "host/wine_settings.h"

#include <windows.h>

#include "toolkit/handles.h"

namespace host {

void PreferUnmanagedWindowsUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return;
  HKEY made = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\tarvex-host.exe\\X11 Driver", 0,
                      nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &made, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const tk::RegistryKey key(made);
  wchar_t value[8] = {};
  DWORD size = sizeof value;
  if (RegQueryValueExW(key.get(), L"Managed", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) !=
          ERROR_SUCCESS ||
      lstrcmpW(value, L"N") != 0) {
    RegSetValueExW(key.get(), L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"), 2 * sizeof(wchar_t));
  }
}

}  // namespace host
