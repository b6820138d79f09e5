#pragma once
// A contrast theme as Windows turns one on, for a module's imports: Wine
// always answers the high-contrast flag off, so the module's import of
// SystemParametersInfoW is pointed at one that answers it on. A palette of
// system colours is set while the theme lasts and the old colours come back
// after; the program's top-level windows are told as Windows tells them.
// Used by the tests and by the simulator's pictures.

#include <windows.h>

#include <array>
#include <vector>

#include "host/import_patch.h"

namespace host {

enum class ContrastPalette { WhiteOnBlack, BlackOnWhite };

struct PaletteEntry {
  int index;
  COLORREF color;
};

// The colours of Windows' own contrast themes ("High Contrast Black" and
// "High Contrast White") that the plug-in and the native controls draw with.
inline std::vector<PaletteEntry> ContrastColors(ContrastPalette palette) {
  if (palette == ContrastPalette::WhiteOnBlack)
    return {{COLOR_WINDOW, RGB(0, 0, 0)},          {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
            {COLOR_BTNFACE, RGB(0, 0, 0)},         {COLOR_BTNTEXT, RGB(255, 255, 255)},
            {COLOR_HIGHLIGHT, RGB(26, 235, 255)},  {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},
            {COLOR_HOTLIGHT, RGB(255, 255, 0)},    {COLOR_GRAYTEXT, RGB(63, 242, 63)},
            {COLOR_3DSHADOW, RGB(255, 255, 255)},  {COLOR_3DHIGHLIGHT, RGB(255, 255, 255)},
            {COLOR_3DDKSHADOW, RGB(255, 255, 255)}, {COLOR_3DLIGHT, RGB(255, 255, 255)},
            {COLOR_WINDOWFRAME, RGB(255, 255, 255)}};
  return {{COLOR_WINDOW, RGB(255, 255, 255)},   {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
          {COLOR_BTNFACE, RGB(255, 255, 255)},  {COLOR_BTNTEXT, RGB(0, 0, 0)},
          {COLOR_HIGHLIGHT, RGB(55, 0, 110)},   {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
          {COLOR_HOTLIGHT, RGB(0, 0, 159)},     {COLOR_GRAYTEXT, RGB(96, 0, 0)},
          {COLOR_3DSHADOW, RGB(0, 0, 0)},       {COLOR_3DHIGHLIGHT, RGB(0, 0, 0)},
          {COLOR_3DDKSHADOW, RGB(0, 0, 0)},     {COLOR_3DLIGHT, RGB(0, 0, 0)},
          {COLOR_WINDOWFRAME, RGB(0, 0, 0)}};
}

namespace contrast_detail {

using SpiProc = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);

inline SpiProc RealSpi() {
  return reinterpret_cast<SpiProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW")));
}

inline bool& FlagOn() {
  static bool on = false;
  return on;
}

inline BOOL WINAPI ThemedSpi(UINT action, UINT param, PVOID value, UINT winIni) {
  const BOOL result = RealSpi()(action, param, value, winIni);
  if (action == SPI_GETHIGHCONTRAST && value && FlagOn()) {
    static_cast<HIGHCONTRASTW*>(value)->dwFlags |= HCF_HIGHCONTRASTON;
    return TRUE;
  }
  return result;
}

inline BOOL CALLBACK TellWindow(HWND window, LPARAM message) {
  DWORD_PTR ignored = 0;
  const UINT m = static_cast<UINT>(message);
  SendMessageTimeoutW(window, m, m == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0, SMTO_ABORTIFHUNG, 2000,
                      &ignored);
  return TRUE;
}

// What Windows sends when a theme changes, to this thread's top-level windows
// (another program's windows are left alone).
inline void TellWindows() {
  EnumThreadWindows(GetCurrentThreadId(), &TellWindow, WM_SYSCOLORCHANGE);
  EnumThreadWindows(GetCurrentThreadId(), &TellWindow, WM_SETTINGCHANGE);
}

inline void SetColors(const std::vector<PaletteEntry>& entries) {
  std::vector<int> indexes;
  std::vector<COLORREF> colors;
  for (const PaletteEntry& e : entries) {
    indexes.push_back(e.index);
    colors.push_back(e.color);
  }
  SetSysColors(static_cast<int>(indexes.size()), indexes.data(), colors.data());
}

}  // namespace contrast_detail

// Turns the theme on for `module` (whose imports are patched) while it
// lives; switchable in between.
class ContrastTheme {
 public:
  ContrastTheme(HMODULE module, ContrastPalette palette) : module_(module), palette_(palette) {
    for (const PaletteEntry& e : ContrastColors(palette)) saved_.push_back({e.index, GetSysColor(e.index)});
    PatchImport(module_, "SystemParametersInfoW", reinterpret_cast<void*>(&contrast_detail::ThemedSpi));
    TurnOn();
  }
  ContrastTheme(const ContrastTheme&) = delete;
  ContrastTheme& operator=(const ContrastTheme&) = delete;
  ~ContrastTheme() {
    TurnOff();
    PatchImport(module_, "SystemParametersInfoW", reinterpret_cast<void*>(contrast_detail::RealSpi()));
  }

  void TurnOn() {
    contrast_detail::FlagOn() = true;
    contrast_detail::SetColors(ContrastColors(palette_));
    contrast_detail::TellWindows();
  }
  void TurnOff() {
    contrast_detail::FlagOn() = false;
    contrast_detail::SetColors(saved_);
    contrast_detail::TellWindows();
  }
  // The palette's colour of a system colour index (the old one if the
  // palette does not set it).
  COLORREF Color(int index) const {
    for (const PaletteEntry& e : ContrastColors(palette_))
      if (e.index == index) return e.color;
    return GetSysColor(index);
  }

 private:
  HMODULE module_;
  ContrastPalette palette_;
  std::vector<PaletteEntry> saved_;
};

}  // namespace host
