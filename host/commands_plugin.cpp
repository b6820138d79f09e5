// Commands that call the plug-in's exports and check what it registered,
// answered and wrote.
#include <windows.h>

#include "host/commands.h"
#include "host/core/text.h"
#include "host/version_resource.h"
#include "base/core/encodings.h"
#include "runtime/core/number_params.h"

namespace host {
namespace {

using script::Line;

void NoAutoStart(CommandContext&, const Line&) {}  // read by the interpreter before the start-up
void Register(CommandContext& c, const Line&) { c.session.Register(); }
void Init(CommandContext& c, const Line&) { c.session.Init(); }
void RegisterInterface(CommandContext& c, const Line&) { c.session.RegisterInterface(true); }
void UnregisterInterface(CommandContext& c, const Line&) { c.session.RegisterInterface(false); }
void RegisterScriptProcessor(CommandContext& c, const Line&) { c.session.RegisterScriptProcessor(); }
void InitTwiceCheck(CommandContext& c, const Line&) { c.session.InitTwiceCheck(); }
void Message(CommandContext& c, const Line& line) { c.session.Message(IntArg(line, 1)); }

// As a host that unloads its plug-ins (its settings, a second publication):
// FreeLibrary, then LoadLibrary of the same file and the start-up calls.
void Unload(CommandContext& c, const Line&) {
  if (!c.session.Plugin().Module()) {
    c.out.Fail("unload: the plug-in is not loaded");
    return;
  }
  c.session.unloadedModule = c.session.Plugin().Unload();
}

void Load(CommandContext& c, const Line&) {
  if (c.session.Plugin().Module()) {
    c.out.Fail("load: the plug-in is loaded already");
    return;
  }
  if (std::string problem = c.session.Plugin().Load(c.session.Plugin().Path()); !problem.empty()) {
    c.out.Fail("load: " + problem);
    return;
  }
  c.session.unloadedModule = nullptr;
  c.session.StartUp();
}

// A window class of the plug-in's module (the unloaded one's while it is
// unloaded): a class left registered there names a procedure in freed code.
void ExpectClass(CommandContext& c, const Line& line) {
  HMODULE module = c.session.Plugin().Module() ? c.session.Plugin().Module() : c.session.unloadedModule;
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  const bool registered = GetClassInfoExA(module, TextArg(line, 1).c_str(), &info) != 0;
  const bool expected = line.tokens[2].text == "registered";
  if (registered != expected)
    c.out.Fail("window class " + Shown(TextArg(line, 1)) + (registered ? " is registered" : " is not registered"));
}

void ExpectActions(CommandContext& c, const Line& line) {
  std::size_t expected = static_cast<std::size_t>(IntArg(line, 1));
  if (c.session.actions.size() != expected) {
    c.out.Fail("expected " + std::to_string(expected) + " registered actions, found " +
               std::to_string(c.session.actions.size()));
  }
}

void ExpectAction(CommandContext& c, const Line& line) {
  std::int32_t number = IntArg(line, 1);
  const RegisteredAction* found = nullptr;
  for (const RegisteredAction& action : c.session.actions) {
    if (action.number == number) found = &action;
  }
  if (!found) {
    c.out.Fail("no action " + std::to_string(number) + " was registered");
    return;
  }
  std::string codes;
  for (char code : found->typeCodes) codes += std::to_string(static_cast<unsigned char>(code));
  auto check = [&](const char* what, const std::string& actual, const std::string& expected) {
    if (actual != expected) {
      c.out.Fail("action " + std::to_string(number) + " " + what + ": expected " + Shown(expected) +
                 ", found " + Shown(actual));
    }
  };
  check("name", found->name, TextArg(line, 2));
  check("description", found->description, TextArg(line, 3));
  check("type codes", codes, TextArg(line, 4));
  if (found->count != static_cast<std::int32_t>(TextArg(line, 4).size())) {
    c.out.Fail("action " + std::to_string(number) + " count: expected " +
               std::to_string(TextArg(line, 4).size()) + ", found " + std::to_string(found->count));
  }
  if (found->highIndex != found->count - 1) {
    c.out.Fail("action " + std::to_string(number) + " high index: expected " +
               std::to_string(found->count - 1) + ", found " + std::to_string(found->highIndex));
  }
}

void ExpectIdentity(CommandContext& c, const Line& line) {
  const Identity& id = c.session.identity;
  const char* what[] = {"name", "author", "description"};
  const std::string* actual[] = {&id.name, &id.author, &id.description};
  for (int i = 0; i < 3; ++i) {
    if (*actual[i] != TextArg(line, static_cast<std::size_t>(i) + 1)) {
      c.out.Fail(std::string("identity ") + what[i] + ": expected " + Shown(TextArg(line, i + 1)) +
                 ", found " + Shown(*actual[i]));
    }
  }
}

void List(CommandContext& c, const Line&) {
  for (const std::string& text : c.session.Listing()) c.out.Print(text);
}

void Set(CommandContext& c, const Line& line) {
  c.session.variables[text::FoldAscii(TextArg(line, 1))] = TextArg(line, 2);
}

// Parameters from the line with the host's variables substituted.
std::vector<std::optional<std::string>> Parameters(CommandContext& c, const Line& line) {
  auto lookup = [&](const std::string& name) -> std::optional<std::string> {
    auto found = c.session.variables.find(text::FoldAscii(name));
    if (found == c.session.variables.end()) return std::nullopt;
    return found->second;
  };
  std::vector<std::optional<std::string>> params;
  for (std::size_t i = 2; i < line.tokens.size(); ++i) {
    std::optional<std::string> value = TextOrNilArg(line, i);
    if (value) value = script::Substitute(*value, lookup);
    params.push_back(value);
  }
  return params;
}

std::optional<std::int32_t> Action(CommandContext& c, const Line& line) {
  std::optional<std::int32_t> number = c.session.ActionNumber(TextArg(line, 1));
  if (!number) c.out.Fail("no action named " + Shown(TextArg(line, 1)) + " was registered");
  return number;
}

void Exec(CommandContext& c, const Line& line) {
  c.session.lastExec.reset();
  if (auto number = Action(c, line)) {
    std::vector<std::optional<std::string>> params = Parameters(c, line);
    c.session.lastExec = ExecRecord{*number, params};
    c.session.Exec(*number, std::move(params));
  }
}

void Edit(CommandContext& c, const Line& line) {
  c.session.lastExec.reset();
  std::optional<std::int32_t> number = Action(c, line);
  if (!number) return;
  if (line.block.empty()) {
    c.session.Edit(*number, Parameters(c, line));
  } else {
    EditWithSteps(c, line, *number, Parameters(c, line));
  }
}

void ExpectParam(CommandContext& c, const Line& line) {
  if (!c.session.lastEdit) {
    c.out.Fail("no edit has run");
    return;
  }
  std::int32_t index = IntArg(line, 1);
  if (index < 0 || static_cast<std::size_t>(index) >= c.session.lastEdit->Size()) {
    c.out.Fail("the last edit's block has no slot " + std::to_string(index));
    return;
  }
  const char* slot = c.session.lastEdit->Slot(static_cast<std::size_t>(index));
  std::optional<std::string> actual = slot ? std::optional<std::string>(slot) : std::nullopt;
  std::optional<std::string> expected = TextOrNilArg(line, 2);
  if (actual != expected) {
    c.out.Fail("slot " + std::to_string(index) + ": expected " + Shown(expected) + ", found " + Shown(actual));
  }
}

// What the host can see of why the last exec of a Tarvex action answered
// as it did; empty when it sees nothing.
std::string LikelyReason(CommandContext& c, bool result) {
  if (!c.session.lastExec) return {};
  const ExecRecord& exec = *c.session.lastExec;
  auto param = [&](std::size_t i) { return i < exec.params.size() ? exec.params[i].value_or("") : std::string(); };
  std::string name = param(0);
  HWND object = c.session.Window().Find(name);
  // The range as the action read it, defaults included.
  auto crossed = [&](std::size_t lo) -> std::string {
    runtime::RangeParams range = lo == 5 ? runtime::ReadCreateRange(param(5), param(6))
                                         : runtime::ReadSetValueRange(param(1), param(2));
    if (!range.Crossed()) return {};
    return "the minimum " + std::to_string(range.minimum.value) + " is above the maximum " +
           std::to_string(range.maximum.value);
  };
  if (c.session.actions.empty()) return "no actions are registered (the script starts with no-auto-start)";
  bool tarvex = false;  // the reasons below know the Tarvex actions only
  for (const RegisteredAction& action : c.session.actions) {
    if (action.number == exec.action) tarvex = action.name.starts_with("Tarvex");
  }
  if (!tarvex) return {};
  if (exec.action == 1) {
    auto scripted = c.session.command7Answers.find(text::FoldAscii(name));
    if (result) {
      if (!object && scripted == c.session.command7Answers.end()) {
        return "the host has no object named " + Shown(name) + ", so it answered 0 to command 7 and "
               "TarvexCreate made nothing";
      }
      return {};
    }
    if (scripted != c.session.command7Answers.end() && !nb::ParseIntegerText(scripted->second)) {
      return "the host answered command 7 for " + Shown(name) + " with " + Shown(scripted->second) +
             ", which is no window handle";
    }
    return crossed(5);
  }
  if (result || exec.action < 2 || exec.action > 8) return {};
  if (!object) return "the host has no object named " + Shown(name);
  if (!GetWindow(object, GW_CHILD)) {
    return "object " + Shown(name) + " holds no gauge window: no TarvexCreate made one, or it was deleted";
  }
  return exec.action == 4 ? crossed(1) : std::string();
}

void Expect(CommandContext& c, const Line& line) {
  bool expected = line.tokens[1].text == "true";
  if (!c.session.lastResult) {
    c.out.Fail("no exec or edit has given a result yet");
  } else if (*c.session.lastResult != expected) {
    std::string reason = LikelyReason(c, *c.session.lastResult);
    c.out.Fail(std::string("expected ") + (expected ? "true" : "false") + ", the result was " +
               (*c.session.lastResult ? "true" : "false") + (reason.empty() ? "" : " (likely reason: " + reason + ")"));
  }
}

void ExpectInterfaceCall(CommandContext& c, const Line& line) {
  if (c.session.interfaceCalls.empty()) {
    c.out.Fail("the plug-in has not called InterfaceAccessProc");
    return;
  }
  const InterfaceCall& last = c.session.interfaceCalls.back();
  std::optional<std::string> expected = TextOrNilArg(line, 2);
  if (last.command != IntArg(line, 1) || last.slotText != expected) {
    c.out.Fail("last InterfaceAccessProc call: expected command " + std::to_string(IntArg(line, 1)) +
               " with " + Shown(expected) + ", found command " + std::to_string(last.command) + " with " +
               Shown(last.slotText));
  }
}

// The plug-in file's version resource: its fixed file and product numbers and
// its FileVersion and ProductVersion texts must all read the version given.
void ExpectPluginVersion(CommandContext& c, const Line& line) {
  const std::string& expected = TextArg(line, 1);
  std::optional<VersionResource> found = ReadVersionResource(c.session.Plugin().Module());
  if (!found) {
    c.out.Fail("the plug-in has no version resource (expected " + Shown(expected) + ")");
    return;
  }
  const std::pair<const char*, const std::string&> fields[] = {
      {"file version", found->fileVersion},
      {"product version", found->productVersion},
      {"FileVersion text", found->fileVersionText},
      {"ProductVersion text", found->productVersionText},
  };
  for (const auto& [what, actual] : fields) {
    if (actual != expected) {
      c.out.Fail(std::string("plug-in ") + what + ": expected " + Shown(expected) + ", found " + Shown(actual));
    }
  }
}

void Answer7(CommandContext& c, const Line& line) {
  std::string object = text::FoldAscii(TextArg(line, 1));
  if (line.tokens[2].IsWord("default")) {
    c.session.command7Answers.erase(object);
  } else {
    c.session.command7Answers[object] = TextArg(line, 2);
  }
}

void Answer(CommandContext& c, const Line& line) {
  c.session.answers[IntArg(line, 1)] = ScriptedAnswer{line.tokens[2].text == "true", TextArg(line, 3)};
}

void About(CommandContext& c, const Line& line) {
  const bool client = line.tokens.size() > 5 && line.tokens[5].text == "client";
  c.session.About(CloseWithArg(line, 2), line.tokens.size() > 4 ? TextArg(line, 4) : std::string(), !client);
}
void Dialog(CommandContext& c, const Line& line) { c.session.ArmDialog(CloseWithArg(line, 2)); }

}  // namespace

void AddPluginCommands(CommandTable& table) {
  table.insert({
      {"no-auto-start", NoAutoStart},
      {"register", Register},
      {"init", Init},
      {"register-interface", RegisterInterface},
      {"unregister-interface", UnregisterInterface},
      {"register-script-processor", RegisterScriptProcessor},
      {"init-twice-check", InitTwiceCheck},
      {"unload", Unload},
      {"load", Load},
      {"expect-class", ExpectClass},
      {"expect-actions", ExpectActions},
      {"expect-action", ExpectAction},
      {"expect-identity", ExpectIdentity},
      {"expect-plugin-version", ExpectPluginVersion},
      {"list", List},
      {"set", Set},
      {"exec", Exec},
      {"edit", Edit},
      {"expect-param", ExpectParam},
      {"expect-slot", ExpectParam},
      {"expect", Expect},
      {"expect-interface-call", ExpectInterfaceCall},
      {"answer7", Answer7},
      {"answer", Answer},
      {"message", Message},
      {"about", About},
      {"dialog", Dialog},
  });
}

}  // namespace host
