// A small plug-in for testing the host simulator through its scripts: a few
// actions that use every callback, message and window the host offers, and
// an editor dialog for the dialog steps (test_editor.cpp). Built
// with BAD_CONVENTION it breaks the calling convention in ways the host must
// notice: nbMessage removes a stack argument it was not given, nbAbout
// clobbers EBX and nbExecAction answers AL=2.

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "plugin/boundary.h"
#include "base/host_block.h"
#include "test_editor.h"
#include "toolkit/message_pump.h"

namespace {

HINSTANCE Instance() {
  MEMORY_BASIC_INFORMATION info{};
  VirtualQuery(reinterpret_cast<void*>(&Instance), &info, sizeof info);
  return static_cast<HINSTANCE>(info.AllocationBase);
}

nb::InterfaceAccessProc& Access() {
  static nb::InterfaceAccessProc access = nullptr;
  return access;
}

std::vector<HWND>& Boxes() {
  static std::vector<HWND> boxes;
  return boxes;
}

void Assign(nb::HostSlot* slot, const std::string& text) {
  if (*slot) GlobalFree(*slot);
  *slot = nb::NewGlobalString(text);
}

std::string Read(nb::HostSlot slot) { return slot ? slot : ""; }

// --- the box window: fills its client with its colour ---------------------

constexpr wchar_t kBoxClass[] = L"TarvexHostTestBox";

void FillBox(HWND window, HDC dc) {
  RECT r{};
  GetClientRect(window, &r);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA)));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

LRESULT OnHostRequest(HWND window, WPARAM wParam, LPARAM code) {
  switch (code) {
    case 4: {
      RECT r{};
      GetClientRect(GetParent(window), &r);
      SetWindowPos(window, nullptr, 0, 0, r.right, r.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case 5: FillBox(window, reinterpret_cast<HDC>(wParam)); return 0;
    case 7: EnableWindow(window, FALSE); return 0;
    case 8: EnableWindow(window, TRUE); return 0;
    case 9: return 42;
    default: return 0;
  }
}

LRESULT CALLBACK BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 250) return OnHostRequest(window, wParam, lParam);
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    FillBox(window, dc);
    EndPaint(window, &ps);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool CreateBox(const std::string& object, const std::string& rgb) {
  if (!Access()) return false;
  nb::HostSlot slot = nullptr;
  Assign(&slot, object);
  Access()(7, &slot);
  std::string answer = Read(slot);
  GlobalFree(slot);
  char* end = nullptr;
  unsigned long handle = std::strtoul(answer.c_str(), &end, 10);
  if (answer.empty() || *end || handle == 0) return false;
  WNDCLASSW wc{};
  wc.lpfnWndProc = BoxProc;
  wc.hInstance = Instance();
  wc.lpszClassName = kBoxClass;
  RegisterClassW(&wc);
  auto parent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle));
  RECT r{};
  GetClientRect(parent, &r);
  HWND box = CreateWindowExW(0, kBoxClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, r.right, r.bottom, parent,
                             nullptr, Instance(), nullptr);
  unsigned long value = std::strtoul(rgb.c_str(), nullptr, 16);
  SetWindowLongPtrW(box, GWLP_USERDATA, static_cast<LONG_PTR>(RGB(value >> 16, (value >> 8) & 0xFF, value & 0xFF)));
  InvalidateRect(box, nullptr, TRUE);
  Boxes().push_back(box);
  return true;
}

// --- a modal window with OK and Cancel, like the plug-in's dialogs -------

constexpr wchar_t kModalClass[] = L"TarvexHostTestModal";

int RunModal(const wchar_t* title, bool withCancel) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = tk::ModalEndProc;
  wc.hInstance = Instance();
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kModalClass;
  RegisterClassW(&wc);
  HWND owner = GetActiveWindow();
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kModalClass, title, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                100, 100, 300, 140, owner, nullptr, Instance(), nullptr);
  tk::ModalEnd end;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&end));
  CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 20, 60, 80, 26, window,
                  reinterpret_cast<HMENU>(IDOK), Instance(), nullptr);
  if (withCancel) {
    CreateWindowExW(0, L"BUTTON", L"Cancel", WS_CHILD | WS_VISIBLE, 120, 60, 80, 26, window,
                    reinterpret_cast<HMENU>(IDCANCEL), Instance(), nullptr);
  }
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  tk::PumpUntil([&end] { return end.done; });
  if (owner) EnableWindow(owner, TRUE);
  DestroyWindow(window);
  return end.result;
}

// --- actions ----------------------------------------------------------------

// Tarvex.loc beside the host's executable, or "<missing>".
std::string LocFileBytes() {
  wchar_t path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring file(path, length);
  file = file.substr(0, file.find_last_of(L"\\/") + 1) + L"Tarvex.loc";
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(handle);
  return bytes;
}

bool Pick(nb::HostSlot* target, std::int32_t command) {
  if (!Access()) return false;
  nb::HostSlot slot = nullptr;
  Assign(&slot, Read(*target));
  bool chosen = Access()(command, &slot) != 0;
  if (chosen) Assign(target, Read(slot));
  GlobalFree(slot);
  return chosen;
}

bool Exec(std::int32_t action, nb::HostSlot* params) {
  switch (action) {
    case 1: return CreateBox(Read(params[0]), Read(params[1]));
    case 2: MessageBoxA(GetActiveWindow(), Read(params[0]).c_str(), "Test", MB_OK); return true;
    case 3:
      if (params[0] && params[0][0]) params[0][0] = 'X';  // what a plug-in must not do
      return true;
    case 4: {
      nb::HostSlot copy = nullptr;
      Assign(&copy, Read(params[0]));
      bool chosen = Pick(&copy, Read(params[1]) == "14" ? 14 : 8);
      GlobalFree(copy);
      return chosen;
    }
    case 5: return RunModal(L"Test dialog", true) == IDOK;
    case 6: return LocFileBytes() == Read(params[0]);
    default: return false;
  }
}

}  // namespace

extern "C" {

void NB_REGISTER nbRegisterPlugIn(nb::AddActionProc addAction, std::int32_t, std::int32_t, std::int32_t) {
  struct Action {
    const char* name;
    const char* description;
    std::vector<std::uint8_t> codes;
  } actions[] = {
      {"TestBox", "\xCA\xEE\xF0\xEE\xE1\xEA\xE0 \"box\".", {1, 1}},
      {"TestSay", "Says its text.", {1}},
      {"TestScribble", "Writes where it must not.", {1, 3}},
      {"TestPick", "Asks the host.", {1, 1, 1}},
      {"TestDialog", "Shows a dialog.", {1}},
      {"TestLoc", "Compares Tarvex.loc with its text.", {1}},
      {"TestEditor", "Edits five slots in a dialog.", {1, 1, 1, 1, 1}},
  };
  std::int32_t number = 1;
  for (const Action& a : actions) {
    auto count = static_cast<std::int32_t>(a.codes.size());
    addAction(number++, a.name, a.description, count, count - 1, a.codes.data());
  }
}

void NB_REGISTER nbInitPlugIn(std::int32_t, nb::HostSlot* name, nb::HostSlot* author, nb::HostSlot* description) {
  Assign(name, "Test Plug-in");
  Assign(author, "Host Team");
  Assign(description, "Exercises the host.");
}

void NB_REGISTER nbRegisterInterfaceAccess(nb::InterfaceAccessProc proc) { Access() = proc; }
void NB_REGISTER nbRegisterScriptProcessor(nb::ScriptProcessorProc) {}

nb::HostBool NB_REGISTER nbEditAction(std::int32_t action, nb::HostSlot* params) {
  if (action == 7) return testplugin::RunTestEditor(params, Access(), Instance()) ? 1 : 0;
  if (action != 4) return 0;
  bool chosen = Pick(&params[0], 8);
  if (chosen) Assign(&params[2], "edited");
  return chosen ? 1 : 0;
}

#ifndef BAD_CONVENTION
nb::HostBool NB_REGISTER nbExecAction(std::int32_t action, nb::HostSlot* params) {
  return Exec(action, params) ? 1 : 0;
}

void NB_REGISTER nbMessage(std::int32_t code) {
  if (code != 2) return;
  for (HWND box : Boxes()) DestroyWindow(box);
  Boxes().clear();
}

void NB_REGISTER nbAbout() { RunModal(L"About the test plug-in", false); }
#else
nb::HostBool NB_REGISTER nbExecAction(std::int32_t action, nb::HostSlot* params) {
  return Exec(action, params) ? 2 : 0;
}
#endif
}

#ifdef BAD_CONVENTION
// nbAbout returns with EBX changed; nbMessage removes 4 bytes of stack
// arguments that the host did not push.
asm(R"(
    .globl _nbAbout@0
_nbAbout@0:
    mov $0x12345678, %ebx
    ret
    .globl _nbMessage@4
_nbMessage@4:
    ret $4
)");
#endif
