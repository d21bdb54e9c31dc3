#include "ZORWENRunCommand.h"

#include <map>
#include <memory>

#include "ZORFaultGate.h"
#include "ZORGuiCommandStack.h"

namespace {

struct Commands {
  ZORWENRunCommand::CreationCreator creation;
  ZORWENRunCommand::EditionCreator edition;
};

std::map<std::string, Commands>& Registry() {
  static std::map<std::string, Commands> registry;
  return registry;
}

std::vector<ZORWENRunCommand::Start>& StartLog() {
  static std::vector<ZORWENRunCommand::Start> starts;
  return starts;
}

const Commands* Find(const std::string& typeName) {
  auto it = Registry().find(typeName);
  return it == Registry().end() ? nullptr : &it->second;
}

// Starts what `create` makes; the start records the command when there is one.
HRESULT StartMade(const std::function<ZORSurfacicUIStateCommand*()>& create,
                  ZORWENRunCommand::Start& start) {
  ZORSurfacicUIStateCommand* made = nullptr;
  const HRESULT hr = ZORGuiCommandStack::Instance()->StartCommand([&]() -> ZORStateCommand* {
    made = create();
    return made;
  });
  start.command = SUCCEEDED(hr) ? made : nullptr;
  return hr;
}

}  // namespace

ZORWENRunCommand::ZORWENRunCommand(std::string typeName, ZORBaseUnknown_var container)
    : typeName_(std::move(typeName)), container_(std::move(container)) {}

HRESULT ZORWENRunCommand::RunCreationCommand(const ZORWENUICmdInfo* info, const ZORString& id,
                                             ZORCommandMode mode) {
  if (!info || !ZORFaultGate::Pass("ZORIWENRunCommand::RunCreationCommand")) return E_FAIL;
  Start start{typeName_, false, id, mode, *info, nullptr, container_, nullptr};
  const Commands* commands = Find(typeName_);
  HRESULT hr = S_OK;
  if (commands && commands->creation) {
    hr = StartMade(
        [&]() -> ZORSurfacicUIStateCommand* {
          auto copy = std::make_unique<ZORWENUICmdInfo>(*info);
          ZORSurfacicUIStateCommand* command = commands->creation(copy.get(), id, mode);
          if (command) command->AdoptCommandInfo(std::move(copy));
          return command;
        },
        start);
  }
  StartLog().push_back(std::move(start));
  return hr;
}

HRESULT ZORWENRunCommand::RunEditionCommand(const ZORISpecObject_var& feature, const ZORString& id,
                                            ZORCommandMode mode) {
  if (!feature || !ZORFaultGate::Pass("ZORIWENRunCommand::RunEditionCommand")) return E_FAIL;
  Start start{typeName_, true, id, mode, std::nullopt, feature, container_, nullptr};
  const Commands* commands = Find(typeName_);
  HRESULT hr = S_OK;
  if (commands && commands->edition) {
    hr = StartMade([&] { return commands->edition(feature, id, mode); }, start);
  }
  StartLog().push_back(std::move(start));
  return hr;
}

void ZORWENRunCommand::Register(const std::string& typeName, CreationCreator creation,
                                EditionCreator edition) {
  Registry()[typeName] = Commands{std::move(creation), std::move(edition)};
}

bool ZORWENRunCommand::IsRegistered(const std::string& typeName) {
  return Find(typeName) != nullptr;
}

const std::vector<ZORWENRunCommand::Start>& ZORWENRunCommand::Starts() {
  return StartLog();
}

void ZORWENRunCommand::Reset() {
  Registry().clear();
  StartLog().clear();
}

HRESULT GetZORIWENRunCommandInterface(const ZORString& name, const ZORBaseUnknown_var& container,
                                      ZORIWENRunCommand_var& runCommand) {
  runCommand = nullptr;
  if (!container || !ZORWENRunCommand::IsRegistered(name.str())) return E_FAIL;
  runCommand = ZORMake<ZORWENRunCommand>(name.str(), container);
  return S_OK;
}

HRESULT GetZORIWENRunCommandInterface(const ZORISpecObject_var& feature,
                                      ZORIWENRunCommand_var& runCommand) {
  runCommand = nullptr;
  if (!feature) return E_FAIL;
  return GetZORIWENRunCommandInterface(feature->GetType(), feature->GetFeatContainer(), runCommand);
}
