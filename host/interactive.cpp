#include "host/interactive.h"

#include <windows.h>

#include "host/interpreter.h"
#include "host/prompt.h"
#include "toolkit/message_pump.h"

namespace host {
namespace {

enum MenuId { kAddObject = 101, kRunLine, kAbout, kList, kCloseAll, kQuit };

HMENU BuildMenu() {
  HMENU objects = CreatePopupMenu();
  AppendMenuW(objects, MF_STRING, kAddObject, L"&Add rectangle");
  AppendMenuW(objects, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(objects, MF_STRING, kQuit, L"&Quit");
  HMENU plugin = CreatePopupMenu();
  AppendMenuW(plugin, MF_STRING, kRunLine, L"&Run a script line...");
  AppendMenuW(plugin, MF_STRING, kList, L"&List actions");
  AppendMenuW(plugin, MF_STRING, kCloseAll, L"Send message &2 (close all)");
  AppendMenuW(plugin, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(plugin, MF_STRING, kAbout, L"A&bout the plug-in...");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(objects), L"&Objects");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plugin), L"&Plug-in");
  return bar;
}

std::wstring Wide(const std::string& utf8) {
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 1)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), length);
  wide.resize(wide.size() - 1);
  return wide;
}

class InteractiveHost {
 public:
  InteractiveHost(PluginModule& plugin, ObjectsWindow& window)
      : window_(window), interpreter_("<interactive>"), session_(plugin, window, interpreter_, false) {
    session_.SetPicker([this](std::int32_t command, const std::string& current) {
      return Pick(command, current);
    });
  }

  int Run() {
    session_.StartUp();
    window_.SetMenu(BuildMenu(), [this](int id) { OnMenu(id); }, [this] { running_ = false; });
    window_.Show();
    tk::PumpUntil([this] { return !running_; });
    session_.Message(2);  // the host's notification when a publication closes
    return interpreter_.Failures() == 0 ? 0 : 1;
  }

 private:
  void OnMenu(int id) {
    switch (id) {
      case kAddObject: return AddObject();
      case kRunLine: return RunLine();
      case kAbout: return session_.About(CloseWith::Nothing);
      case kList: return List();
      case kCloseAll: return session_.Message(2);
      case kQuit: running_ = false; return;
    }
  }

  void AddObject() {
    int n = ++objects_;
    int offset = 20 + 30 * ((n - 1) % 10);
    window_.Create("Rect" + std::to_string(n), offset, offset, 220, 60);
  }

  void RunLine() {
    std::optional<std::string> line = PromptLine(window_.Handle(), L"Run a script line", lastLine_);
    if (!line || line->empty()) return;
    lastLine_ = *line;
    session_.lastResult.reset();
    std::vector<std::string> failures = interpreter_.RunLine(*line, session_);
    std::string report;
    for (const std::string& f : failures) report += f + "\n";
    if (report.empty()) {
      report = session_.lastResult ? std::string("Result: ") + (*session_.lastResult ? "true" : "false") : "Done.";
    }
    MessageBoxW(window_.Handle(), Wide(report).c_str(), L"Script line", MB_OK);
  }

  void List() {
    std::string text;
    for (const std::string& line : session_.Listing()) text += line + "\n";
    MessageBoxW(window_.Handle(), Wide(text).c_str(), L"Registered actions", MB_OK);
  }

  std::optional<std::string> Pick(std::int32_t command, const std::string& current) {
    std::vector<std::string> items;
    if (command == 8) {
      items = window_.Names();
    } else {
      for (const auto& entry : session_.variables) items.push_back("[" + entry.first + "]");
    }
    return PromptChoice(GetActiveWindow(), command == 8 ? L"Choose an object" : L"Choose a variable",
                        items, current);
  }

  ObjectsWindow& window_;
  Interpreter interpreter_;
  Session session_;
  bool running_ = true;
  int objects_ = 0;
  std::string lastLine_ = "exec 1 \"Rect1\"";
};

}  // namespace

int RunInteractive(PluginModule& plugin, ObjectsWindow& window) {
  InteractiveHost host(plugin, window);
  return host.Run();
}

}  // namespace host
