#include "host/session.h"

#include <algorithm>

#include "host/core/syntax.h"
#include "host/core/text.h"
#include "base/window_number.h"

namespace host {
namespace {

std::uintptr_t Address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }
template <typename R, typename... A>
std::uintptr_t Address(R (*f)(A...)) { return reinterpret_cast<std::uintptr_t>(f); }
// The host's 32-bit integers, in the low half of a word.
std::uintptr_t Number(std::int32_t n) { return static_cast<std::uintptr_t>(static_cast<std::uint32_t>(n)); }
std::uintptr_t Number(HWND window) { return Number(nb::WindowNumber(window)); }

// The host's own values for the arguments that the plug-in only stores.
constexpr std::uintptr_t kRegisterArg3 = 0x00000003, kRegisterArg4 = 0x00000004;

bool WasFreed(const char* old, const char* const (&now)[3]) {
  return !IsLiveBlock(old) || std::find(std::begin(now), std::end(now), old) != std::end(now);
}

}  // namespace

Session::Session(PluginModule& plugin, ObjectsWindow& window, Reporter& out, bool scripted)
    : plugin_(plugin), window_(window), out_(out), previousSink_(SetCallbackSink(this)), scripted_(scripted) {
  if (scripted) {
    messageBoxes_.emplace(plugin.Module(), [this](const std::string& text) {
      messages.push_back(text);
      out_.Print("message box: " + text::Cp1251ToUtf8(text));
    });
  }
}

Session::~Session() { SetCallbackSink(previousSink_); }

PluginModule::Result Session::CallPlugin(Export which, std::vector<std::uintptr_t> args) {
  PluginModule::Result result = plugin_.Call(which, std::move(args));
  for (const std::string& problem : result.problems) out_.Fail(problem);
  for (const std::string& problem : TakeBlockProblems()) out_.Fail(std::string(ExportName(which)) + ": " + problem);
  return result;
}

std::optional<bool> Session::ReadBoolean(const char* what, const PluginModule::Result& result) {
  std::uint8_t al = result.Al();
  if (al > 1) {
    out_.Fail(std::string(what) + " returned AL=" + std::to_string(al) + ", neither 0 nor 1");
  }
  lastResult = al != 0;
  return lastResult;
}

void Session::StartDriver(std::optional<ModalDriver>& driver) {
  armed_ = std::exchange(pendingDialog_, CloseWith::Nothing);
  if (scripted_) driver.emplace(armed_, plugin_.Module());
}

void Session::FinishDriver(const char* what, std::optional<ModalDriver>& driver) {
  if (!driver) return;
  ModalDriver::Report report = driver->Finish();
  if (armed_ != CloseWith::Nothing && !report.sawWindow) {
    out_.Fail(std::string(what) + " showed no window for the armed dialog command");
  }
  ReportDriver(what, report);
}

void Session::ReportDriver(const char* what, const ModalDriver::Report& report) {
  for (const std::string& problem : report.problems) out_.Fail(std::string(what) + ": " + problem);
}

void Session::StartUp() {
  Register();
  Init();
  RegisterInterface(true);
  RegisterScriptProcessor();
}

void Session::Register() {
  actions.clear();
  CallPlugin(Export::RegisterPlugIn,
             {Address(tvx_AddActionProc), Number(window_.Handle()), kRegisterArg3, kRegisterArg4});
}

Identity Session::InitOnce(char* (&slots)[3], const char* what) {
  const char* const before[3] = {slots[0], slots[1], slots[2]};
  CallPlugin(Export::InitPlugIn,
             {Number(window_.Handle()), Address(&slots[0]), Address(&slots[1]), Address(&slots[2])});
  const char* const after[3] = {slots[0], slots[1], slots[2]};
  const char* names[3] = {"name", "author", "description"};
  for (int i = 0; i < 3; ++i) {
    if (before[i] && !WasFreed(before[i], after)) {
      out_.Fail(std::string(what) + ": the block that the " + names[i] + " slot held was not freed");
    }
    if (!after[i]) {
      out_.Fail(std::string(what) + ": the " + names[i] + " slot is nil");
    } else if (!IsLiveBlock(after[i])) {
      out_.Fail(std::string(what) + ": the " + names[i] + " slot holds no GlobalAlloc block");
    }
  }
  return Identity{ReadSlot(slots[0]), ReadSlot(slots[1]), ReadSlot(slots[2])};
}

void Session::Init() {
  char* slots[3] = {NewHostString(""), NewHostString(""), NewHostString("")};
  identity = InitOnce(slots, "nbInitPlugIn");
  for (char*& slot : slots) FreeSlot(slot);
}

void Session::InitTwiceCheck() {
  char* slots[3] = {NewHostString(""), NewHostString(""), NewHostString("")};
  InitOnce(slots, "first nbInitPlugIn");
  identity = InitOnce(slots, "second nbInitPlugIn");
  for (char*& slot : slots) FreeSlot(slot);
}

void Session::RegisterInterface(bool withProc) {
  CallPlugin(Export::RegisterInterfaceAccess, {withProc ? Address(tvx_InterfaceAccessProc) : std::uintptr_t{0}});
}

void Session::RegisterScriptProcessor() {
  CallPlugin(Export::RegisterScriptProcessor, {Address(tvx_ScriptProcessorProc)});
}

void Session::Message(std::int32_t code) {
  CallPlugin(Export::Message, {Number(code)});
}

std::optional<std::int32_t> Session::ActionNumber(const std::string& text) const {
  if (auto number = script::ParseInteger(text)) return number;
  std::string folded = text::FoldAscii(text);
  for (const RegisteredAction& action : actions) {
    if (text::FoldAscii(action.name) == folded) return action.number;
  }
  return std::nullopt;
}

namespace {

std::size_t RegisteredCount(const std::vector<RegisteredAction>& actions, std::int32_t number) {
  for (const RegisteredAction& action : actions) {
    if (action.number == number && action.count > 0) return static_cast<std::size_t>(action.count);
  }
  return 0;
}

}  // namespace

std::optional<bool> Session::Exec(std::int32_t action, std::vector<std::optional<std::string>> params) {
  ParamBlock block(std::move(params), RegisteredCount(actions, action));
  std::optional<ModalDriver> driver;
  StartDriver(driver);
  PluginModule::Result result =
      CallPlugin(Export::ExecAction, {Number(action), Address(block.Slots())});
  FinishDriver("nbExecAction", driver);
  for (const std::string& change : block.Changes()) {
    out_.Fail("nbExecAction wrote its parameter block: " + change);
  }
  return ReadBoolean("nbExecAction", result);
}

std::optional<bool> Session::Edit(std::int32_t action, std::vector<std::optional<std::string>> params,
                                  bool watched) {
  lastEdit = std::make_unique<ParamBlock>(std::move(params), RegisteredCount(actions, action));
  std::optional<ModalDriver> driver;
  if (!watched) StartDriver(driver);
  PluginModule::Result result =
      CallPlugin(Export::EditAction, {Number(action), Address(lastEdit->Slots())});
  FinishDriver("nbEditAction", driver);
  for (const std::string& problem : lastEdit->ForeignSlots()) out_.Fail("nbEditAction: " + problem);
  return ReadBoolean("nbEditAction", result);
}

void Session::About(CloseWith how, const std::string& screenshotPath, bool withFrame) {
  if (!scripted_) {
    CallPlugin(Export::About, {});
    return;
  }
  ModalDriver driver(how, plugin_.Module(), screenshotPath, withFrame);
  pendingDialog_ = CloseWith::Nothing;
  CallPlugin(Export::About, {});
  ModalDriver::Report report = driver.Finish(true);
  if (!report.sawWindow) out_.Fail("nbAbout showed no window");
  ReportDriver("nbAbout", report);
}

std::vector<std::string> Session::Listing() const {
  std::vector<std::string> lines{
      "name: " + text::Cp1251ToUtf8(identity.name),
      "author: " + text::Cp1251ToUtf8(identity.author),
      "description: " + text::Cp1251ToUtf8(identity.description),
      "actions: " + std::to_string(actions.size()),
  };
  for (const RegisteredAction& a : actions) {
    std::string codes;
    for (char c : a.typeCodes) codes += std::to_string(static_cast<unsigned char>(c));
    std::string line = "  " + std::to_string(a.number) + " " + a.name + " (" + std::to_string(a.count) +
                       " parameters: " + codes + ")";
    if (a.highIndex != a.count - 1) line += " [high index " + std::to_string(a.highIndex) + "!]";
    lines.push_back(line + " " + text::Cp1251ToUtf8(a.description));
  }
  return lines;
}

void Session::OnAddAction(std::int32_t number, const char* name, const char* description,
                          const std::uint8_t* typeCodes, std::int32_t highIndex, std::int32_t count) {
  try {
    RegisteredAction action{number, name ? name : "", description ? description : "", {}, highIndex, count};
    if (count < 0 || count > 4096 || (count > 0 && !typeCodes)) {
      out_.Fail("AddActionProc: action " + std::to_string(number) + " has an impossible parameter count " +
                std::to_string(count));
    } else if (count > 0) {
      action.typeCodes.assign(reinterpret_cast<const char*>(typeCodes), static_cast<std::size_t>(count));
    }
    actions.push_back(std::move(action));
  } catch (...) {
    out_.Fail("AddActionProc: out of memory");
  }
}

void Session::AnswerInSlot(char** slot, const std::string& text) {
  if (*slot && !IsLiveBlock(*slot)) {
    out_.Fail("InterfaceAccessProc: the plug-in's slot held no GlobalAlloc block");
    *slot = nullptr;  // not ours to free
  }
  FreeSlot(*slot);
  *slot = NewHostString(text);
}

bool Session::OnInterfaceAccess(std::int32_t command, char** slot) {
  try {
    InterfaceCall call{command, std::nullopt};
    if (slot && *slot) call.slotText = ReadSlot(*slot);
    interfaceCalls.push_back(call);
    if (!slot) {
      out_.Fail("InterfaceAccessProc: command " + std::to_string(command) + " without a slot address");
      return false;
    }
    std::string current = call.slotText.value_or("");
    if (command == 7) {
      auto scripted = command7Answers.find(text::FoldAscii(current));
      HWND object = window_.Find(current);
      if (scripted != command7Answers.end()) {
        AnswerInSlot(slot, scripted->second);
        return true;
      }
      AnswerInSlot(slot, nb::WindowNumberText(object));
      return object != nullptr;
    }
    if (command == 8 || command == 14) {
      if (picker_) {
        std::optional<std::string> chosen = picker_(command, current);
        if (chosen) AnswerInSlot(slot, *chosen);
        return chosen.has_value();
      }
      auto scripted = answers.find(command);
      if (scripted == answers.end() || !scripted->second.result) return false;
      AnswerInSlot(slot, scripted->second.text);
      return true;
    }
    return false;
  } catch (...) {
    out_.Fail("InterfaceAccessProc: out of memory");
    return false;
  }
}

void Session::OnScriptProcessor() { out_.Fail("the plug-in called ScriptProcessorProc, which it should only store"); }

}  // namespace host
