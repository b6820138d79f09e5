#include "host/modal_driver.h"

#include <algorithm>

#include "host/message_boxes.h"
#include "host/pictures.h"

namespace host {
namespace {

constexpr UINT kTickMs = 40;
constexpr DWORD kUnaskedTimeoutMs = 10000;  // a window nobody was asked to close
constexpr DWORD kGraceMs = 5000;            // after asking, before insisting

BOOL CALLBACK CollectWindow(HWND window, LPARAM into) {
  reinterpret_cast<std::vector<HWND>*>(into)->push_back(window);
  return TRUE;
}

struct ButtonSearch {
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ButtonSearch*>(param);
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  if (lstrcmpiW(className, L"Button") != 0) return TRUE;
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  std::wstring caption = text;
  caption.erase(std::remove(caption.begin(), caption.end(), L'&'), caption.end());
  if (caption == search->caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> ThreadTopLevelWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND FindButtonByCaption(HWND window, const wchar_t* caption) {
  ButtonSearch search{caption};
  EnumChildWindows(window, FindButton, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  char utf8[768] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  return utf8;
}

ModalDriver::ModalDriver(CloseWith how, HMODULE plugin, std::string screenshotPath, bool withFrame)
    : how_(how), plugin_(plugin), screenshotPath_(std::move(screenshotPath)), withFrame_(withFrame) {
  for (HWND window : ThreadTopLevelWindows()) before_.insert(window);
  ticker_.Start(*this, kTickMs);
}

ModalDriver::~ModalDriver() { Finish(); }

std::vector<HWND> ModalDriver::NewWindows() const {
  std::vector<HWND> fresh;
  for (HWND window : ThreadTopLevelWindows()) {
    if (!before_.count(window)) fresh.push_back(window);
  }
  return fresh;
}

void ModalDriver::Tick() {
  DWORD now = GetTickCount();
  if (current_ && !IsWindow(current_)) current_ = nullptr;
  if (!current_) {
    for (HWND window : NewWindows()) {
      if (acted_.count(window) || !IsWindowVisible(window) || IsMessageBox(window, plugin_)) continue;
      current_ = window;
      appearedAt_ = now;
      escalations_ = 0;
      report_.sawWindow = true;
      if (how_ != CloseWith::Nothing) Act(window);
      break;
    }
    return;
  }
  DWORD since = now - (acted_.count(current_) ? actedAt_ : appearedAt_);
  DWORD limit = acted_.count(current_) ? kGraceMs : kUnaskedTimeoutMs;
  if (since < limit) return;
  std::string title = WindowText(current_);
  title.insert(title.begin(), '"');
  title.push_back('"');
  if (escalations_ == 0) {
    report_.problems.push_back(acted_.count(current_)
                                   ? "window " + title + " was still open after being asked to close"
                                   : "window " + title + " stayed open and was closed by the host");
    PostMessageW(current_, WM_CLOSE, 0, 0);
  } else {
    report_.problems.push_back("window " + title + " ignored WM_CLOSE and was destroyed");
    DestroyWindow(current_);
  }
  acted_.insert(current_);
  actedAt_ = now;
  ++escalations_;
}

void ModalDriver::Act(HWND window) {
  if (!screenshotPath_.empty()) {
    std::string error = SavePng(Screenshot(window, withFrame_), screenshotPath_);
    if (!error.empty()) report_.problems.push_back(error);
  }
  acted_.insert(window);
  actedAt_ = GetTickCount();
  if (how_ == CloseWith::Frame) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return;
  }
  if (HWND button = FindButtonByCaption(window, how_ == CloseWith::Ok ? L"OK" : L"Cancel")) {
    PostMessageW(button, BM_CLICK, 0, 0);
  } else {
    report_.problems.push_back("window \"" + WindowText(window) + "\" has no " +
                               (how_ == CloseWith::Ok ? "OK" : "Cancel") +
                               " button; closed by its frame instead");
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
}

ModalDriver::Report ModalDriver::Finish(bool checkLeftovers) {
  if (finished_) return report_;
  finished_ = true;
  ticker_.Stop();
  for (HWND window : NewWindows()) {
    auto instance = reinterpret_cast<HMODULE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    if (checkLeftovers && plugin_ && instance == plugin_) {
      report_.problems.push_back("plug-in window \"" + WindowText(window) + "\" is left after the call");
    }
  }
  return report_;
}

}  // namespace host
