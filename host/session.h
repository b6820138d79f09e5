#pragma once
// The host's side of one run: the loaded plug-in, the objects window, what
// the plug-in registered and answered, and the host's answers to its
// callbacks. Script commands and the interactive window both act on it.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/contrast_theme.h"
#include "host/host_strings.h"
#include "host/message_boxes.h"
#include "host/modal_driver.h"
#include "host/objects_window.h"
#include "host/pictures.h"
#include "host/plugin_module.h"
#include "host/reporter.h"
#include "toolkit/gui_objects.h"
#include "host/thunks.h"

namespace host {

struct RegisteredAction {
  std::int32_t number = 0;
  std::string name;
  std::string description;  // bytes as the plug-in gave them
  std::string typeCodes;    // one byte per parameter
  std::int32_t highIndex = 0;
  std::int32_t count = 0;
};

struct InterfaceCall {
  std::int32_t command = 0;
  std::optional<std::string> slotText;  // nullopt: a nil slot
};

// The last exec, for the likely reason of a failed expect after it.
struct ExecRecord {
  std::int32_t action = 0;
  std::vector<std::optional<std::string>> params;
};

struct ScriptedAnswer {
  bool result = false;
  std::string text;
};

struct Identity {
  std::string name, author, description;
};

class Session : public CallbackSink {
 public:
  // scripted: record and dismiss the plug-in's message boxes and watch its
  // modal windows, so that nothing waits for a person.
  Session(PluginModule& plugin, ObjectsWindow& window, Reporter& out, bool scripted);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session() override;

  // The start-up calls: register, init, register-interface, register-script-processor.
  void StartUp();
  void Register();
  void Init();
  void InitTwiceCheck();
  void RegisterInterface(bool withProc);
  void RegisterScriptProcessor();
  void Message(std::int32_t code);
  // Resolves a number or a registered action's name; nullopt when neither.
  std::optional<std::int32_t> ActionNumber(const std::string& text) const;
  std::optional<bool> Exec(std::int32_t action, std::vector<std::optional<std::string>> params);
  // watched: the caller drives the dialog itself (an edit's steps), so no
  // modal driver watches it and an armed close waits for the next call.
  std::optional<bool> Edit(std::int32_t action, std::vector<std::optional<std::string>> params,
                           bool watched = false);
  void About(CloseWith how, const std::string& screenshotPath = {}, bool withFrame = true);
  // The next exec, edit or about closes its modal window this way.
  void ArmDialog(CloseWith how) { pendingDialog_ = how; }
  // The actions and identity as lines for the console (UTF-8).
  std::vector<std::string> Listing() const;

  // Interactive use: a chooser for commands 8 and 14 instead of scripted answers.
  using Picker = std::function<std::optional<std::string>(std::int32_t command, const std::string& current)>;
  void SetPicker(Picker picker) { picker_ = std::move(picker); }

  PluginModule& Plugin() { return plugin_; }
  ObjectsWindow& Window() { return window_; }
  Reporter& Out() { return out_; }

  // State that the commands read and set.
  std::vector<RegisteredAction> actions;  // of the last register
  Identity identity;
  std::map<std::string, std::string> variables;        // by folded name
  std::map<std::string, std::string> command7Answers;  // by folded object name
  std::map<std::int32_t, ScriptedAnswer> answers;      // commands 8 and 14
  std::optional<bool> lastResult;
  std::optional<ExecRecord> lastExec;
  std::unique_ptr<ParamBlock> lastEdit;
  std::vector<InterfaceCall> interfaceCalls;
  std::vector<std::string> messages;  // message boxes since start or clear
  std::optional<LRESULT> lastReply;
  std::optional<Picture> lastCapture;
  std::optional<tk::GuiObjects> resourceMark;
  std::unique_ptr<ContrastTheme> contrast;  // while `contrast` turned one on
  HMODULE unloadedModule = nullptr;  // the plug-in's handle while it is unloaded

  // CallbackSink
  void OnAddAction(std::int32_t number, const char* name, const char* description,
                   const std::uint8_t* typeCodes, std::int32_t highIndex, std::int32_t count) override;
  bool OnInterfaceAccess(std::int32_t command, char** slot) override;
  void OnScriptProcessor() override;

 private:
  PluginModule::Result CallPlugin(Export which, std::vector<std::uintptr_t> args);
  std::optional<bool> ReadBoolean(const char* what, const PluginModule::Result& result);
  void ReportDriver(const char* what, const ModalDriver::Report& report);
  void StartDriver(std::optional<ModalDriver>& driver);
  void FinishDriver(const char* what, std::optional<ModalDriver>& driver);
  void AnswerInSlot(char** slot, const std::string& text);
  Identity InitOnce(char* (&slots)[3], const char* what);

  PluginModule& plugin_;
  ObjectsWindow& window_;
  Reporter& out_;
  std::optional<MessageBoxCatcher> messageBoxes_;
  CallbackSink* previousSink_;
  bool scripted_;
  CloseWith pendingDialog_ = CloseWith::Nothing;
  CloseWith armed_ = CloseWith::Nothing;
  Picker picker_;
};

}  // namespace host
