// A library planted under a system library's name (oleacc.dll) in a
// program's folder, as an attacker would leave one in a downloads folder.
// Its start-up code leaves a file "<its own path>.ran" beside it, so a test
// sees whether it ever ran in a process. It exports the accessibility
// library's functions that programs import, so that such an import binds to
// it, and it runs, as it would to the real one.
#include <windows.h>

#include <cwchar>

extern "C" {

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  std::wcscpy(path + length, L".ran");
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}

__declspec(dllexport) HRESULT WINAPI CreateStdAccessibleObject(HWND, LONG, const GUID&, void** out) {
  if (out) *out = nullptr;
  return E_FAIL;
}

__declspec(dllexport) LRESULT WINAPI LresultFromObject(const GUID&, WPARAM, void*) { return E_FAIL; }

__declspec(dllexport) HRESULT WINAPI AccessibleObjectFromWindow(HWND, DWORD, const GUID&, void** out) {
  if (out) *out = nullptr;
  return E_FAIL;
}

}  // extern "C"
