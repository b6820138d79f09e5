#include "test_editor.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/host_block.h"
#include "toolkit/message_pump.h"

namespace testplugin {
namespace {

constexpr wchar_t kFormClass[] = L"TarvexHostTestEditor";
constexpr wchar_t kPanelClass[] = L"TarvexHostTestPanel";
enum : int { kField = 101, kChoice, kCheck, kColourField, kFontField };

// Windowless buttons: painted by the panel (or by the form) and clicked there.
struct PaintedButton {
  const char* name;
  bool onPanel;
  RECT rect;  // in the painting window's client coordinates
  const wchar_t* caption;
  bool hidden;
};
constexpr POINT kPanelAt{230, 10};
constexpr PaintedButton kButtons[] = {
    {"ColourButton", true, {10, 10, 110, 34}, L"Colour...", false},
    {"FontButton", true, {10, 44, 110, 68}, L"Font...", false},
    {"ObjectButton", true, {10, 78, 110, 102}, L"Object...", false},
    {"HiddenButton", true, {10, 112, 110, 136}, L"Hidden", true},
    {"VariableButton", false, {10, 150, 110, 174}, L"Variable...", false},
};

struct EditorState {
  nb::HostSlot* params;
  nb::InterfaceAccessProc access;
  HINSTANCE instance;
  HWND form = nullptr, panel = nullptr;
  bool done = false, ok = false;
  COLORREF lastColour = 0;
};

UINT FindMessage() {
  static const UINT message = RegisterWindowMessageA("TarvexFindComponent");
  return message;
}

EditorState* StateOf(HWND window) {
  return reinterpret_cast<EditorState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::string Read(nb::HostSlot slot) { return slot ? slot : ""; }

void Assign(nb::HostSlot* slot, const std::string& text) {
  if (*slot) GlobalFree(*slot);
  *slot = nb::NewGlobalString(text);
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Commands 8 and 14 through a local slot holding a copy of the field.
void AskHost(EditorState& s, std::int32_t command) {
  if (!s.access) return;
  HWND field = GetDlgItem(s.form, kField);
  nb::HostSlot slot = nullptr;
  Assign(&slot, TextOf(field));
  if (s.access(command, &slot)) SetWindowTextA(field, Read(slot).c_str());
  if (slot) GlobalFree(slot);
}

void PickColour(EditorState& s) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = s.form;
  cc.rgbResult = s.lastColour;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;  // not opened in full: the steps must still reach the RGB fields
  if (ChooseColorW(&cc)) {
    s.lastColour = cc.rgbResult;
    char text[32];
    std::snprintf(text, sizeof text, "%u,%u,%u", GetRValue(cc.rgbResult), GetGValue(cc.rgbResult),
                  GetBValue(cc.rgbResult));
    SetDlgItemTextA(s.form, kColourField, text);
  }
}

void PickFont(EditorState& s) {
  LOGFONTW font{};
  font.lfHeight = -13;
  lstrcpyW(font.lfFaceName, L"Tahoma");
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = s.form;
  cf.lpLogFont = &font;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontW(&cf)) return;
  char face[LF_FACESIZE * 2] = {};
  WideCharToMultiByte(CP_ACP, 0, font.lfFaceName, -1, face, sizeof face, nullptr, nullptr);
  char text[160];
  std::snprintf(text, sizeof text, "%s|%d|%s%s%s%s|%06X", face, cf.iPointSize / 10,
                font.lfWeight > FW_MEDIUM ? "B" : "", font.lfItalic ? "I" : "", font.lfUnderline ? "U" : "",
                font.lfStrikeOut ? "S" : "",
                static_cast<unsigned>(GetRValue(cf.rgbColors) << 16 | GetGValue(cf.rgbColors) << 8 |
                                      GetBValue(cf.rgbColors)));
  SetDlgItemTextA(s.form, kFontField, text);
}

void Press(EditorState& s, const PaintedButton& button) {
  std::string name = button.name;
  if (name == "ColourButton") PickColour(s);
  if (name == "FontButton") PickFont(s);
  if (name == "ObjectButton") AskHost(s, 8);
  if (name == "VariableButton") AskHost(s, 14);
}

void PaintButtons(HWND window, bool panel) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  SetBkMode(dc, TRANSPARENT);
  for (const PaintedButton& button : kButtons) {
    if (button.onPanel != panel || button.hidden) continue;
    RECT r = button.rect;
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    DrawTextW(dc, button.caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  EndPaint(window, &ps);
}

// Press and release inside one button make a click, as a speed button.
void OnMouse(HWND window, UINT message, LPARAM at, bool panel) {
  static const PaintedButton* pressed = nullptr;
  EditorState* s = StateOf(panel ? GetParent(window) : window);
  POINT p{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  const PaintedButton* hit = nullptr;
  for (const PaintedButton& button : kButtons) {
    if (button.onPanel == panel && !button.hidden && PtInRect(&button.rect, p)) hit = &button;
  }
  if (message == WM_LBUTTONDOWN) pressed = hit;
  if (message == WM_LBUTTONUP) {
    const PaintedButton* clicked = hit && hit == pressed ? hit : nullptr;
    pressed = nullptr;
    if (clicked && s) Press(*s, *clicked);
  }
}

LRESULT Find(EditorState& s, const char* name, RECT* bounds) {
  *bounds = RECT{};
  for (const PaintedButton& button : kButtons) {
    if (std::strcmp(button.name, name) != 0) continue;
    if (!button.hidden) {
      *bounds = button.rect;
      if (button.onPanel) OffsetRect(bounds, kPanelAt.x, kPanelAt.y);
    }
    return 1;
  }
  struct Named {
    const char* name;
    int id;
  } static constexpr kControls[] = {{"Field", kField},           {"Choice", kChoice},
                                    {"Check", kCheck},           {"ColourField", kColourField},
                                    {"FontField", kFontField},   {"OkButton", IDOK},
                                    {"CancelButton", IDCANCEL}};
  for (const Named& control : kControls) {
    if (std::strcmp(control.name, name) != 0) continue;
    HWND window = GetDlgItem(s.form, control.id);
    if (IsWindowVisible(window)) {
      GetWindowRect(window, bounds);
      MapWindowPoints(nullptr, s.form, reinterpret_cast<POINT*>(bounds), 2);
    }
    return reinterpret_cast<LRESULT>(window);
  }
  return 0;
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: PaintButtons(window, true); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: OnMouse(window, message, lParam, true); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  EditorState* s = StateOf(window);
  if (s && message == FindMessage()) {
    return Find(*s, reinterpret_cast<const char*>(wParam), reinterpret_cast<RECT*>(lParam));
  }
  switch (message) {
    case WM_COMMAND:
      if (s && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        s->ok = LOWORD(wParam) == IDOK;
        s->done = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      if (s) s->done = true;
      return 0;
    case WM_PAINT: PaintButtons(window, false); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: OnMouse(window, message, lParam, false); return 0;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Build(EditorState& s) {
  auto make = [&](const char* cls, const char* text, DWORD style, int id, int x, int y, int w, int h) {
    return CreateWindowExA(std::strcmp(cls, "EDIT") == 0 ? WS_EX_CLIENTEDGE : 0, cls, text,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, s.form,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), s.instance, nullptr);
  };
  make("EDIT", Read(s.params[0]).c_str(), ES_AUTOHSCROLL, kField, 10, 10, 200, 22);
  HWND choice = make("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, kChoice, 10, 40, 200, 120);
  for (const char* item : {"Show", "Hide", "Maybe"}) SendMessageA(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageA(choice, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(Read(s.params[1]).c_str()));
  HWND check = make("BUTTON", "Ticked", BS_AUTOCHECKBOX, kCheck, 10, 70, 200, 20);
  SendMessageA(check, BM_SETCHECK, Read(s.params[2]) == "True" ? BST_CHECKED : BST_UNCHECKED, 0);
  make("EDIT", Read(s.params[3]).c_str(), ES_AUTOHSCROLL, kColourField, 10, 95, 200, 22);
  make("EDIT", Read(s.params[4]).c_str(), ES_AUTOHSCROLL, kFontField, 10, 122, 200, 22);
  make("BUTTON", "OK", BS_DEFPUSHBUTTON, IDOK, 230, 200, 80, 26);
  make("BUTTON", "Cancel", BS_PUSHBUTTON, IDCANCEL, 320, 200, 80, 26);
  s.panel = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE, kPanelAt.x, kPanelAt.y, 170, 150, s.form,
                            nullptr, s.instance, nullptr);
}

void Register(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpfnWndProc = FormProc;
  wc.lpszClassName = kFormClass;
  RegisterClassW(&wc);
  wc.lpfnWndProc = PanelProc;
  wc.lpszClassName = kPanelClass;
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  RegisterClassW(&wc);
}

}  // namespace

bool RunTestEditor(nb::HostSlot* params, nb::InterfaceAccessProc access, void* instance) {
  EditorState s{params, access, static_cast<HINSTANCE>(instance)};
  Register(s.instance);
  HWND owner = GetActiveWindow();
  s.form = CreateWindowExW(WS_EX_DLGMODALFRAME, kFormClass, L"TestEditor", WS_POPUP | WS_CAPTION | WS_SYSMENU, 120,
                           80, 420, 270, owner, nullptr, s.instance, nullptr);
  SetWindowLongPtrW(s.form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&s));
  Build(s);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(s.form, SW_SHOW);
  tk::PumpUntil([&s] { return s.done; }, s.form);
  if (s.ok) {
    HWND choice = GetDlgItem(s.form, kChoice);
    LRESULT index = SendMessageA(choice, CB_GETCURSEL, 0, 0);
    char item[64] = {};
    if (index != CB_ERR) SendMessageA(choice, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item));
    Assign(&params[0], TextOf(GetDlgItem(s.form, kField)));
    Assign(&params[1], item);
    Assign(&params[2], IsDlgButtonChecked(s.form, kCheck) == BST_CHECKED ? "True" : "False");
    Assign(&params[3], TextOf(GetDlgItem(s.form, kColourField)));
    Assign(&params[4], TextOf(GetDlgItem(s.form, kFontField)));
  }
  if (owner) EnableWindow(owner, TRUE);
  DestroyWindow(s.form);
  return s.ok;
}

}  // namespace testplugin
