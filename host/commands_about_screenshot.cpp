// about-screenshot FILE.png: calls nbAbout, saves the about box's client area
// as it is shown, then closes the box by its OK button (by its frame when it
// has none).
#include <windows.h>

#include <string>

#include "host/commands.h"
#include "host/pictures.h"

namespace host {

namespace {

struct AboutShot {
  HMODULE plugin = nullptr;
  std::string path;
  std::string problem = "nbAbout showed no window to take a picture of";
  bool taken = false;
};

AboutShot* pendingShot = nullptr;

BOOL CALLBACK FindOkButton(HWND child, LPARAM found) {
  wchar_t cls[16] = {}, text[16] = {};
  GetClassNameW(child, cls, 16);
  GetWindowTextW(child, text, 16);
  if (lstrcmpiW(cls, L"Button") == 0 && lstrcmpW(text, L"OK") == 0) {
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK TakeAboutShot(HWND, UINT, UINT_PTR, DWORD) {
  AboutShot* shot = pendingShot;
  if (!shot || shot->taken) return;
  for (HWND window : ThreadTopLevelWindows()) {
    if (!IsWindowVisible(window) ||
        reinterpret_cast<HMODULE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) != shot->plugin)
      continue;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    shot->problem = SavePng(Screenshot(window), shot->path);
    shot->taken = true;
    HWND ok = nullptr;
    EnumChildWindows(window, FindOkButton, reinterpret_cast<LPARAM>(&ok));
    if (ok) {
      PostMessageW(ok, BM_CLICK, 0, 0);
    } else {
      PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return;
  }
}

}  // namespace

void AboutScreenshot(CommandContext& c, const script::Line& line) {
  AboutShot shot;
  shot.plugin = c.session.Plugin().Module();
  shot.path = TextArg(line, 1);
  pendingShot = &shot;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, TakeAboutShot);
  c.session.About(CloseWith::Nothing);
  KillTimer(nullptr, timer);
  pendingShot = nullptr;
  if (!shot.problem.empty()) c.out.Fail("about-screenshot: " + shot.problem);
}

}  // namespace host
