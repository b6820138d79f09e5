#include "host/dialog_controls.h"

#include <commdlg.h>

#include <algorithm>
#include <cwctype>

#include "host/commands.h"
#include "host/message_boxes.h"
#include "host/modal_driver.h"

namespace host {
namespace {

constexpr UINT kCyrillic = 1251;
// The system dialogs' standard control ids.
constexpr int kColourRed = 706, kColourGreen = 707, kColourBlue = 708;
constexpr int kFontFace = 0x470, kFontStyle = 0x471, kFontSize = 0x472, kFontColour = 0x473;
constexpr int kFontStrikeOut = 0x410, kFontUnderline = 0x411;

std::wstring Widen(const std::string& bytes, UINT codePage) {
  if (bytes.empty()) return {};
  int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
  return wide;
}

// nullopt when a character has no byte in that code page.
std::optional<std::string> Narrow(const std::wstring& text, UINT codePage) {
  if (text.empty()) return std::string();
  BOOL lossy = FALSE;
  int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   &lossy);
  std::string bytes(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                      &lossy);
  if (lossy) return std::nullopt;
  return bytes;
}

// As a script would write the text: ANSI bytes, else Windows-1251 bytes.
std::string ShownText(const std::wstring& text) {
  if (auto bytes = Narrow(text, CP_ACP)) return Shown(*bytes);
  if (auto bytes = Narrow(text, kCyrillic)) return Shown(*bytes);
  return Shown(*Narrow(text, CP_UTF8));
}

bool SameText(const std::wstring& shown, const std::string& expected) {
  return shown == Widen(expected, CP_ACP) || shown == Widen(expected, kCyrillic);
}

std::wstring TextOf(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::wstring ItemText(HWND list, int index) {
  LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  LRESULT got = SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
  return text;
}

// Class names compared without case and by part, so that a toolkit's own
// superclass ("TarvexEdit") counts as what it is made from.
bool ClassContains(HWND window, const wchar_t* part) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  std::wstring lower(name), wanted(part);
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  for (wchar_t& c : wanted) c = static_cast<wchar_t>(std::towlower(c));
  return lower.find(wanted) != std::wstring::npos;
}

bool IsCheckBox(HWND window) {
  if (!ClassContains(window, L"button")) return false;
  switch (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
    case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
      return true;
    default:
      return false;
  }
}

bool IsPushButton(HWND window) {
  if (!ClassContains(window, L"button")) return false;
  LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || IsCheckBox(window);
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// The edit window of a field: the component's own, or the edit inside a
// combo box that has one.
HWND EditOf(const Component& field) {
  if (!field.window) return nullptr;
  if (ClassContains(field.window, L"edit")) return field.window;
  if (ClassContains(field.window, L"combo")) return FindWindowExW(field.window, nullptr, L"Edit", nullptr);
  return nullptr;
}

void Notify(HWND dialog, int id, WORD code) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Selects the first item that fits and tells the dialog; false when none fits.
template <typename Fits>
bool SelectItem(HWND dialog, int id, Fits fits) {
  HWND list = GetDlgItem(dialog, id);
  LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    if (!fits(list, i)) continue;
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    Notify(dialog, id, CBN_SELCHANGE);
    return true;
  }
  return false;
}

// The first items of a list, for a message.
std::string SomeItems(HWND dialog, int id) {
  constexpr int kShown = 12;
  HWND list = GetDlgItem(dialog, id);
  auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
  std::string text = "it offers";
  for (int i = 0; i < count && i < kShown; ++i) text += (i ? ", " : " ") + ShownText(ItemText(list, i));
  if (count <= 0) text += " nothing";
  if (count > kShown) text += " and " + std::to_string(count - kShown) + " more";
  return text;
}

void SetBox(HWND dialog, int id, bool on) {
  SendDlgItemMessageW(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  Notify(dialog, id, BN_CLICKED);
}

void Confirm(HWND dialog) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

HWND OpenSystemDialogWith(int controlId) {
  for (HWND window : ThreadTopLevelWindows()) {
    if (IsWindowVisible(window) && ClassContains(window, L"#32770") && GetDlgItem(window, controlId)) {
      return window;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<Component> FindComponent(HWND form, const std::string& name, std::string& error) {
  static const UINT kFind = RegisterWindowMessageA("TarvexFindComponent");
  Component component{name, nullptr, {}};
  LRESULT answer = SendMessageA(form, kFind, reinterpret_cast<WPARAM>(name.c_str()),
                                reinterpret_cast<LPARAM>(&component.bounds));
  if (answer == 0) {
    error = "the dialog \"" + WindowText(form) + "\" has no component " + Quoted(name);
    return std::nullopt;
  }
  if (answer != 1) component.window = reinterpret_cast<HWND>(answer);
  if (component.window && !IsWindow(component.window)) {
    error = "the dialog answered a window for " + Quoted(name) + " that does not exist";
    return std::nullopt;
  }
  return component;
}

bool IsShown(const Component& component) {
  if (component.window) return IsWindowVisible(component.window) != FALSE;
  const RECT& r = component.bounds;
  return r.left != 0 || r.top != 0 || r.right != 0 || r.bottom != 0;
}

std::string WhyNotUsable(const Component& component) {
  if (!IsShown(component)) return Quoted(component.name) + " is hidden";
  if (component.window && !IsWindowEnabled(component.window)) return Quoted(component.name) + " is disabled";
  return {};
}

std::string TypeInto(const Component& field, const std::string& bytes) {
  HWND edit = EditOf(field);
  if (!edit) return Quoted(field.name) + " is not an edit field";
  if (std::string why = WhyNotUsable(field); !why.empty()) return why;
  if (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) return Quoted(field.name) + " is read-only";
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  std::wstring text = Widen(bytes, CP_ACP);
  if (text.empty()) SendMessageW(edit, WM_CHAR, VK_BACK, 1);  // deletes the selection
  for (wchar_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
  return {};
}

std::string PickItem(const Component& list, const std::string& item) {
  if (!list.window || !ClassContains(list.window, L"combo")) return Quoted(list.name) + " is not a list";
  if (std::string why = WhyNotUsable(list); !why.empty()) return why;
  LRESULT count = SendMessageW(list.window, CB_GETCOUNT, 0, 0);
  std::string items;
  for (int i = 0; i < count; ++i) {
    std::wstring text = ItemText(list.window, i);
    if (SameText(text, item)) {
      SendMessageW(list.window, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
      PostMessageW(GetParent(list.window), WM_COMMAND,
                   MAKEWPARAM(GetDlgCtrlID(list.window), CBN_SELCHANGE), reinterpret_cast<LPARAM>(list.window));
      return {};
    }
    items += (i ? ", " : "") + ShownText(text);
  }
  return Quoted(list.name) + " has no item " + Shown(item) + "; its items: " + (items.empty() ? "none" : items);
}

std::string TickBox(const Component& box) {
  if (!box.window || !IsCheckBox(box.window)) return Quoted(box.name) + " is not a check box";
  if (std::string why = WhyNotUsable(box); !why.empty()) return why;
  PostMessageW(box.window, BM_CLICK, 0, 0);
  return {};
}

std::string Click(HWND form, const Component& component) {
  if (std::string why = WhyNotUsable(component); !why.empty()) return why;
  if (component.window && IsPushButton(component.window)) {
    PostMessageW(component.window, BM_CLICK, 0, 0);
    return {};
  }
  // The centre, then down to the innermost visible window there: the one
  // that paints a windowless component and receives the mouse over it.
  RECT r = component.bounds;
  HWND target = form;
  POINT point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  if (component.window) {
    GetClientRect(component.window, &r);
    target = component.window;
    point = POINT{r.right / 2, r.bottom / 2};
  } else {
    while (HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT)) {
      if (child == target) break;
      MapWindowPoints(target, child, &point, 1);
      target = child;
    }
  }
  LPARAM at = MAKELPARAM(point.x, point.y);
  PostMessageW(target, WM_MOUSEMOVE, 0, at);
  PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(target, WM_LBUTTONUP, 0, at);
  return {};
}

std::string PressKey(const Component& field, bool shift) {
  if (std::string why = WhyNotUsable(field); !why.empty()) return why;
  if (!field.window) return Quoted(field.name) + " is windowless; it takes no keys";
  SetFocus(field.window);
  if (shift) HoldShift(true);
  // Repeat count 1 and the scan code; the key-up also has its previous
  // state and transition bits set.
  LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyW(VK_F4, MAPVK_VK_TO_VSC)) << 16;
  LPARAM up = down | LPARAM{1} << 30 | LPARAM{1} << 31;
  PostMessageW(field.window, WM_KEYDOWN, VK_F4, down);
  PostMessageW(field.window, WM_KEYUP, VK_F4, up);
  return {};
}

void HoldShift(bool held) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  for (int key : {VK_SHIFT, VK_LSHIFT}) {
    keys[key] = static_cast<BYTE>(held ? keys[key] | 0x80 : keys[key] & ~0x80);
  }
  SetKeyboardState(keys);
}

std::string CompareField(const Component& field, const std::string& expected) {
  if (!field.window) return Quoted(field.name) + " is windowless; it has no text to read";
  std::wstring shown = TextOf(field.window);
  if (SameText(shown, expected)) return {};
  return Quoted(field.name) + " shows " + ShownText(shown) + ", expected " + Shown(expected);
}

std::optional<bool> IsTicked(const Component& box, std::string& error) {
  if (!box.window || !IsCheckBox(box.window)) {
    error = Quoted(box.name) + " is not a check box";
    return std::nullopt;
  }
  return SendMessageW(box.window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND OpenColourDialog() { return OpenSystemDialogWith(kColourRed); }
HWND OpenFontDialog() { return OpenSystemDialogWith(kFontFace); }

std::string ChooseColourIn(HWND dialog, std::uint32_t rgb) {
  const int ids[3] = {kColourRed, kColourGreen, kColourBlue};
  const char* names[3] = {"Red", "Green", "Blue"};
  for (int i = 0; i < 3; ++i) {
    HWND edit = GetDlgItem(dialog, ids[i]);
    if (!edit) return std::string("the colour dialog has no ") + names[i] + " field (" + std::to_string(ids[i]) + ")";
    unsigned value = (rgb >> (16 - 8 * i)) & 0xFF;
    // WM_SETTEXT tells the dialog (EN_CHANGE) as typing would.
    SetWindowTextW(edit, std::to_wstring(value).c_str());
  }
  Confirm(dialog);
  return {};
}

std::string ChooseFontIn(HWND dialog, const script::FontChoice& choice) {
  std::wstring face = Widen(choice.face, CP_ACP);
  bool found = SelectItem(dialog, kFontFace, [&](HWND list, int i) { return ItemText(list, i) == face; }) ||
               SelectItem(dialog, kFontFace,
                          [&](HWND list, int i) { return lstrcmpiW(ItemText(list, i).c_str(), face.c_str()) == 0; });
  if (!found) return "the font dialog has no face " + Shown(choice.face) + "; " + SomeItems(dialog, kFontFace);
  // The styles are told apart by their item data: weight and italic.
  auto style = [&](HWND list, int i) {
    auto data = static_cast<DWORD>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
    return (LOWORD(data) > FW_MEDIUM) == choice.bold && (HIWORD(data) != 0) == choice.italic;
  };
  if (!SelectItem(dialog, kFontStyle, style)) {
    return "the font dialog offers no " + std::string(choice.bold ? "bold " : "regular ") +
           (choice.italic ? "italic " : "") + "style of " + Shown(choice.face);
  }
  auto size = [&](HWND list, int i) {
    return SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == choice.size;
  };
  if (!SelectItem(dialog, kFontSize, size)) {  // typed into the size box, no item selected
    SendDlgItemMessageW(dialog, kFontSize, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextW(dialog, kFontSize, std::to_wstring(choice.size).c_str());
    Notify(dialog, kFontSize, CBN_EDITCHANGE);
  }
  SetBox(dialog, kFontStrikeOut, choice.strikeout);
  SetBox(dialog, kFontUnderline, choice.underline);
  if (choice.colour) {
    std::uint32_t rgb = *choice.colour;
    COLORREF wanted = RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
    auto colour = [&](HWND list, int i) {
      return static_cast<COLORREF>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == wanted;
    };
    if (!SelectItem(dialog, kFontColour, colour)) return "the font dialog's colour list has no such colour";
  }
  Confirm(dialog);
  return {};
}

void CancelSystemDialog(HWND dialog) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

std::vector<HWND> OpenSystemDialogs(HMODULE plugin) {
  std::vector<HWND> found;
  for (HWND window : ThreadTopLevelWindows()) {
    if (IsWindowVisible(window) && ClassContains(window, L"#32770") && !IsMessageBox(window, plugin)) {
      found.push_back(window);
    }
  }
  return found;
}

}  // namespace host
