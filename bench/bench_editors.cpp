// Prints how long each editor takes, through the built plug-in as the host
// calls it (over the host's own main window, which is active), beside its
// floor: a plain dialog made of the same native windows as the editor.
//
// Editor: from the call of nbEditAction to the dialog's first paint, and to
// the call's return after the dialog was closed (close box) at once after
// that paint.
// Floor: the editor's native controls (edits, lists, buttons, check boxes,
// spin arrows, track bar; counted from the editor's own window tree in a
// warm-up run) made with CreateWindowEx on one plain top-level window with
// one font, nothing drawn by hand; shown modally over the same owner, painted
// once and closed the same way, timed the same way.
//
// Rounds alternate editor and floor; the best of each counts (other programs
// share the machine), and the ratios are of the best figures.
//   bench_editors PLUGIN [ROUNDS] [nohost] [only=ACTION]
// only=ACTION: that editor alone (for traces and profiles).
// nohost: no host window, as the bench ran before: the dialogs are then the
// thread's only windows, and every open pays for the thread's first window
// (its input-method window and the COM apartment it starts).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/host_block.h"
#include "base/host_types.h"
#include "bench/bench_timing.h"

namespace {

using EditActionProc = nb::HostBool(NB_REGISTER*)(std::int32_t action, nb::HostSlot* params);

constexpr double kGoalMs = 100.0;    // to the first paint
constexpr double kGoalRatio = 1.5;   // to the first paint, of the floor's
constexpr wchar_t kFloorClass[] = L"TarvexBenchFloorDialog";
constexpr wchar_t kHostClass[] = L"BenchHostMainWindow";

// One native control of an editor, as the floor makes it again.
struct NativeControl {
  std::wstring windowClass;
  std::wstring text;
  DWORD style = 0, exStyle = 0;
  RECT bounds{};  // in the dialog's client area
};

struct Census {
  std::vector<NativeControl> controls;
  int toolkitWindows = 0;  // the toolkit's own windows (panels), not in the floor
  SIZE client{};
};

struct Timing {
  double start = 0;
  double painted = 0;  // the first paint of the dialog was dispatched
  HWND dialog = nullptr;
  bool paintSeen = false;
  Census* census = nullptr;  // taken at the first paint when set
};
Timing timing;

bool IsStandardClass(const std::wstring& name) {
  static const wchar_t* kClasses[] = {L"Edit", L"ComboBox", L"Button", L"msctls_updown32",
                                      L"msctls_trackbar32", L"Static", L"ListBox"};
  for (const wchar_t* c : kClasses)
    if (_wcsicmp(name.c_str(), c) == 0) return true;
  return false;
}

BOOL CALLBACK CountChild(HWND child, LPARAM param) {
  auto* census = reinterpret_cast<Census*>(param);
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  // A combo box's own edit and list belong to it.
  HWND parent = GetParent(child);
  wchar_t parentName[64] = {};
  GetClassNameW(parent, parentName, 64);
  if (_wcsicmp(parentName, L"ComboBox") == 0) return TRUE;
  if (!IsStandardClass(name)) {
    ++census->toolkitWindows;
    return TRUE;
  }
  NativeControl c;
  c.windowClass = name;
  wchar_t text[128] = {};
  GetWindowTextW(child, text, 128);
  c.text = text;
  c.style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
  c.exStyle = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_EXSTYLE));
  GetWindowRect(child, &c.bounds);
  MapWindowPoints(nullptr, timing.dialog, reinterpret_cast<POINT*>(&c.bounds), 2);
  census->controls.push_back(c);
  return TRUE;
}

void TakeCensus(HWND dialog, Census& census) {
  census = Census{};
  RECT client{};
  GetClientRect(dialog, &client);
  census.client = SIZE{client.right, client.bottom};
  EnumChildWindows(dialog, &CountChild, reinterpret_cast<LPARAM>(&census));
}

bool IsMeasuredWindow(HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  char name[64] = {};
  GetClassNameA(root, name, sizeof name);
  return std::string(name).rfind("Tarvex", 0) == 0;
}

// Sees every message the modal loop takes from the queue: the first WM_PAINT
// of the dialog, then the next message, by which that paint has run.
LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (timing.paintSeen && timing.painted == 0) {
      timing.painted = bench::Seconds();
      if (timing.census) TakeCensus(timing.dialog, *timing.census);
      PostMessageW(timing.dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (!timing.paintSeen && msg.message == WM_PAINT && msg.hwnd && IsMeasuredWindow(msg.hwnd)) {
      timing.paintSeen = true;
      timing.dialog = GetAncestor(msg.hwnd, GA_ROOT);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

nb::HostSlot Block(const char* text) { return text ? nb::NewGlobalString(text) : nullptr; }

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    // As a modal dialog ends: the owner is enabled before the dialog goes,
    // so that it is active again (the next editor opens over it).
    if (HWND owner = GetWindow(window, GW_OWNER)) EnableWindow(owner, TRUE);
    DestroyWindow(window);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterWindowClasses() {
  WNDCLASSW floor{};
  floor.lpfnWndProc = &FloorProc;
  floor.hInstance = GetModuleHandleW(nullptr);
  floor.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  floor.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  floor.lpszClassName = kFloorClass;
  RegisterClassW(&floor);
  WNDCLASSW host = floor;
  host.lpfnWndProc = &HostProc;
  host.lpszClassName = kHostClass;
  RegisterClassW(&host);
}

// The floor: a plain modal dialog of the census's controls, one font, the
// system's own painting; closed by its close box.
void RunFloor(const Census& census, HWND owner) {
  RECT frame{0, 0, census.client.cx, census.client.cy};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HWND dialog = CreateWindowExW(exStyle, kFloorClass, L"Action Properties", style,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, owner,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Arial");
  int id = 100;
  for (const NativeControl& c : census.controls) {
    HWND child = CreateWindowExW(c.exStyle, c.windowClass.c_str(), c.text.c_str(), c.style, c.bounds.left,
                                 c.bounds.top, c.bounds.right - c.bounds.left, c.bounds.bottom - c.bounds.top,
                                 dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(dialog, SW_SHOWNORMAL);
  SetForegroundWindow(dialog);
  if (HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE)) SetFocus(first);
  MSG msg;
  while (IsWindow(dialog) && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (owner) EnableWindow(owner, TRUE);
  DeleteObject(font);
}

struct Figures {
  double painted = 1e30, closed = 1e30;
  void Keep(double p, double c) {
    painted = std::min(painted, p);
    closed = std::min(closed, c);
  }
};

// One timed open-paint-close; false when no dialog was painted.
bool TimeOnce(const std::function<void()>& run, Figures& figures, Census* census = nullptr) {
  timing = Timing{};
  timing.census = census;
  timing.start = bench::Seconds();
  run();
  const double end = bench::Seconds();
  if (timing.painted == 0) return false;
  figures.Keep((timing.painted - timing.start) * 1e3, (end - timing.start) * 1e3);
  return true;
}

std::string Describe(const Census& census) {
  std::map<std::string, int> counts;
  for (const NativeControl& c : census.controls) {
    std::string name(c.windowClass.begin(), c.windowClass.end());
    if (_stricmp(name.c_str(), "Button") == 0)
      name = (c.style & 0x0F) == BS_AUTOCHECKBOX ? "check box" : "button";
    else if (_stricmp(name.c_str(), "msctls_updown32") == 0) name = "spin arrows";
    else if (_stricmp(name.c_str(), "msctls_trackbar32") == 0) name = "track bar";
    else if (_stricmp(name.c_str(), "ComboBox") == 0) name = "list";
    else if (_stricmp(name.c_str(), "Edit") == 0) name = "edit";
    ++counts[name];
  }
  std::string text;
  for (const auto& [name, count] : counts) text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + name;
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_editors PLUGIN [ROUNDS] [nohost] [only=ACTION]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  bool withHost = true;
  int only = 0;
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(argv[i], "nohost") == 0) withHost = false;
    else if (std::strncmp(argv[i], "only=", 5) == 0) only = std::atoi(argv[i] + 5);
  }
  HMODULE plugin = LoadLibraryA(argv[1]);
  auto edit = plugin ? reinterpret_cast<EditActionProc>(reinterpret_cast<void*>(GetProcAddress(plugin, "nbEditAction"))) : nullptr;
  if (edit == nullptr) {
    std::fprintf(stderr, "cannot load %s\n", argv[1]);
    return 2;
  }
  RegisterWindowClasses();
  // The floor's controls are the editors' own: common controls 6.0, through
  // the manifest that the plug-in carries, made active once as a program's
  // own manifest would be.
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(plugin, path, MAX_PATH);
  request.lpSource = path;
  request.hModule = plugin;
  request.lpResourceName = MAKEINTRESOURCEW(2);
  HANDLE context = CreateActCtxW(&request);
  ULONG_PTR cookie = 0;
  if (context != INVALID_HANDLE_VALUE) ActivateActCtx(context, &cookie);
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);

  // The host's main window, active while the author edits an action: the
  // editors' owner, as in the host.
  HWND host = nullptr;
  if (withHost) {
    host = CreateWindowExW(0, kHostClass, L"Bench host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 500,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(host);
    SetActiveWindow(host);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &OnGetMessage, nullptr, GetCurrentThreadId());

  const struct {
    int action;
    const char* name;
    std::vector<const char*> slots;
  } editors[] = {
      {1, "TarvexCreate", {"Rect1", "Pie", "255,0,0", "255,255,255", "", "0", "100", "Arial|clBlack|12||0", "50", "False|False"}},
      {2, "TarvexDelete", {"Rect1"}},
      {3, "TarvexSetProgress", {"Rect1", "50"}},
      {4, "TarvexSetValue", {"Rect1", "0", "100"}},
      {5, "TarvexSetColor", {"Rect1", "255,0,0", "0,0,255"}},
      {6, "TarvexSetProgressColor", {"Rect1", "0,128,0"}},
      {7, "TarvexSetFont", {"Rect1", "Arial|clBlack|12||0"}},
      {8, "TarvexSetVisible", {"Rect1", "Show"}},
  };
  std::printf("Editors against their floors, ms, best of %d interleaved rounds (%s); goal: first paint < %.0f ms "
              "and <= %.1fx the floor's\n",
              rounds, withHost ? "over an active host window" : "no host window", kGoalMs, kGoalRatio);
  std::printf("| editor | first paint | floor's | ratio | closed | floor's | ratio | native controls "
              "(+ toolkit's own windows) |\n");
  std::printf("|---|---|---|---|---|---|---|---|\n");
  bool allOpened = true;
  for (const auto& e : editors) {
    if (only != 0 && e.action != only) continue;
    auto runEditor = [&] {
      std::vector<nb::HostSlot> slots;
      for (const char* text : e.slots) slots.push_back(Block(text));
      edit(e.action, slots.data());
      for (nb::HostSlot slot : slots)
        if (slot) GlobalFree(slot);
    };
    // Warm-up: one untimed editor run, which also counts its controls, and
    // one of the floor.
    Census census;
    Figures ignored, editor, floor;
    if (!TimeOnce(runEditor, ignored, &census)) {
      std::printf("| %s | no dialog painted |\n", e.name);
      allOpened = false;
      continue;
    }
    auto runFloor = [&] { RunFloor(census, host); };
    TimeOnce(runFloor, ignored);
    for (int round = 0; round < rounds; ++round) {
      if (!TimeOnce(runEditor, editor)) allOpened = false;
      TimeOnce(runFloor, floor);
    }
    std::printf("| %s | %.1f | %.1f | %.2f | %.1f | %.1f | %.2f | %s (+ %d) |\n", e.name, editor.painted,
                floor.painted, editor.painted / floor.painted, editor.closed, floor.closed,
                editor.closed / floor.closed, Describe(census).c_str(), census.toolkitWindows);
  }
  UnhookWindowsHookEx(hook);
  if (host) DestroyWindow(host);
  if (cookie) DeactivateActCtx(0, cookie);
  if (context != INVALID_HANDLE_VALUE) ReleaseActCtx(context);
  return allOpened ? 0 : 1;
}
