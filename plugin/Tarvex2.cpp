// The exported entry points: the host calls these and nothing else of the
// plug-in. No exception leaves any of them.

#include "plugin/boundary.h"

#include <windows.h>

#include <string>
#include <vector>

#include "decor/About.h"
#include "editors/edit_routines.h"
#include "base/Localisation.h"
#include "base/PlugInUtils.h"
#include "base/core/action_table.h"
#include "base/core/version.h"
#include "runtime/actions.h"
#include "toolkit/window.h"

namespace {

constexpr std::int32_t kCloseAllGauges = 2;

void RegisterActions(nb::AddActionProc addAction) {
  for (const nb::ActionInfo& action : nb::ActionTable()) {
    const std::string description = nb::LocText(action.descriptionKey, action.description);
    // Name, description and codes need only live through the call: the host
    // copies what it keeps.
    addAction(static_cast<std::int32_t>(action.number), action.name.data(), description.c_str(),
              action.Count(), action.Count() - 1, action.typeCodes.data());
  }
}

}  // namespace

extern "C" {

void NB_REGISTER nbRegisterPlugIn(nb::AddActionProc addAction, std::int32_t arg2,
                                  std::int32_t arg3, std::int32_t arg4) {
  try {
    nb::CheckLocHeader();
    nb::HeldValues& held = nb::Held();
    held.addAction = addAction;
    held.registerArg2 = arg2;
    held.registerArg3 = arg3;
    held.registerArg4 = arg4;
    // A host without the callback gets nothing registered instead of a jump to
    // address zero.
    if (addAction != nullptr) RegisterActions(addAction);
  } catch (...) {
  }
}

void NB_REGISTER nbInitPlugIn(std::int32_t arg1, nb::HostSlot* name, nb::HostSlot* author,
                              nb::HostSlot* description) {
  try {
    nb::Held().initArg1 = arg1;
    // The three or none: a host short of memory keeps what its slots held.
    const nb::SlotText identity[] = {{name, nb::product::kName},
                                     {author, nb::product::kAuthor},
                                     {description, "The use of a Gauge in VisualNeo."}};
    nb::ReplaceHostStrings(identity);
  } catch (...) {
  }
}

void NB_REGISTER nbRegisterInterfaceAccess(nb::InterfaceAccessProc proc) {
  try {
    nb::Held().interfaceAccess = proc;
  } catch (...) {
  }
}

void NB_REGISTER nbRegisterScriptProcessor(nb::ScriptProcessorProc proc) {
  try {
    nb::Held().scriptProcessor = proc;
  } catch (...) {
  }
}

nb::HostBool NB_REGISTER nbEditAction(std::int32_t action, nb::HostSlot* params) {
  try {
    const auto* info = nb::FindAction(static_cast<std::uint32_t>(action));
    if (info == nullptr || params == nullptr) return 0;
    return editors::EditAction(static_cast<int>(info->number), params) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

nb::HostBool NB_REGISTER nbExecAction(std::int32_t action, nb::HostSlot* params) {
  try {
    const auto* info = nb::FindAction(static_cast<std::uint32_t>(action));
    if (info == nullptr || params == nullptr) return 0;
    std::vector<std::string> copies;
    copies.reserve(info->typeCodes.size());
    for (std::int32_t i = 0; i < info->Count(); ++i) copies.push_back(nb::ReadHostString(params[i]));
    return runtime::RunAction(static_cast<int>(info->number), copies) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

void NB_REGISTER nbMessage(std::int32_t code) {
  try {
    if (code == kCloseAllGauges) runtime::CloseAllGauges();
  } catch (...) {
  }
}

void NB_REGISTER nbAbout() {
  try {
    about::ShowAboutBox();
  } catch (...) {
  }
}

// Unloaded by FreeLibrary (reserved is null; at the process's end the system
// takes everything down itself): the gauges' windows go, then the window
// classes, whose procedure is in this module. Nothing here loads a library
// or calls COM (the loader lock is held); the kept DCs, fonts and the
// activation context go with the static objects that hold them, after this.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    try {
      runtime::CloseAllGauges();
    } catch (...) {
    }
    tk::UnregisterWindowClasses();
  }
  return TRUE;
}

}  // extern "C"
