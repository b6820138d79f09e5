#include "host/prompt.h"

#include "toolkit/message_pump.h"

namespace host {
namespace {

constexpr wchar_t kPromptClass[] = L"TarvexHostPrompt";
constexpr int kInputId = 100;

std::string ControlText(HWND control) {
  int length = GetWindowTextLengthA(control);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// Builds the prompt around one input control and runs it modally.
std::optional<std::string> RunPrompt(HWND owner, const std::wstring& title, const wchar_t* inputClass,
                                     DWORD inputStyle, int inputHeight,
                                     void (*fill)(HWND input, const void* data), const void* data,
                                     std::string (*read)(HWND input)) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = tk::ModalEndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kPromptClass;
  RegisterClassW(&wc);
  int width = 460, height = inputHeight + 90;
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kPromptClass, title.c_str(),
                                WS_POPUP | WS_CAPTION | WS_SYSMENU, 120, 120, width, height, owner,
                                nullptr, instance, nullptr);
  tk::ModalEnd end;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&end));
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HWND input = CreateWindowExW(WS_EX_CLIENTEDGE, inputClass, L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | inputStyle, 10, 10, width - 30,
                               inputHeight, window, reinterpret_cast<HMENU>(kInputId), instance, nullptr);
  HWND ok = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                            width - 200, inputHeight + 20, 80, 26, window, reinterpret_cast<HMENU>(IDOK),
                            instance, nullptr);
  HWND cancel = CreateWindowExW(0, L"BUTTON", L"Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                width - 110, inputHeight + 20, 80, 26, window,
                                reinterpret_cast<HMENU>(IDCANCEL), instance, nullptr);
  for (HWND control : {input, ok, cancel}) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  fill(input, data);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetFocus(input);
  tk::PumpUntil([&end] { return end.done; }, window);
  std::string result = read(input);
  if (owner) EnableWindow(owner, TRUE);
  DestroyWindow(window);
  if (owner) SetActiveWindow(owner);
  if (end.result != IDOK) return std::nullopt;
  return result;
}

}  // namespace

std::optional<std::string> PromptLine(HWND owner, const std::wstring& title, const std::string& initial) {
  return RunPrompt(
      owner, title, L"EDIT", ES_AUTOHSCROLL, 24,
      [](HWND input, const void* data) { SetWindowTextA(input, static_cast<const std::string*>(data)->c_str()); },
      &initial, ControlText);
}

std::optional<std::string> PromptChoice(HWND owner, const std::wstring& title,
                                        const std::vector<std::string>& items, const std::string& current) {
  struct Data {
    const std::vector<std::string>* items;
    const std::string* current;
  } data{&items, &current};
  return RunPrompt(
      owner, title, L"LISTBOX", WS_VSCROLL | LBS_NOTIFY, 160,
      [](HWND input, const void* raw) {
        const auto* d = static_cast<const Data*>(raw);
        for (const std::string& item : *d->items) SendMessageA(input, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SendMessageA(input, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(d->current->c_str()));
      },
      &data,
      [](HWND input) {
        LRESULT index = SendMessageA(input, LB_GETCURSEL, 0, 0);
        if (index == LB_ERR) return std::string();
        std::string text(static_cast<std::size_t>(SendMessageA(input, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0)) + 1, '\0');
        SendMessageA(input, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.size() - 1);
        return text;
      });
}

}  // namespace host
