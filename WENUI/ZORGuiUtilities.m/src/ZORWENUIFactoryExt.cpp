#include "ZORWENUIFactoryExt.h"

#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORIWENRunCommand.h"

namespace {

ZORWENUICmdInfo MakeShared(int resultKind, int datumMode) {
  ZORWENUICmdInfo info(resultKind);
  info.SetDatumMode(datumMode);
  return info;
}

}  // namespace

void ZORWENUIFactoryExt::SplitName(const std::string& name, std::string& className,
                                   std::string& item) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) {
    className = name;
    item.clear();
    return;
  }
  className = name.substr(0, dot);
  item = name.substr(dot + 1);
}

ZORWENUICmdInfo* ZORWENUIFactoryExt::GetSharedInfo(int datumMode) {
  // Built once; the commands of a datum mode share them.
  static ZORWENUICmdInfo historyResults = MakeShared(ZORWENUICmdInfo::kHistoryResults, 0);
  static ZORWENUICmdInfo datumResults = MakeShared(ZORWENUICmdInfo::kDatumResults, 1);
  if (datumMode == 0) return &historyResults;
  if (datumMode == 1) return &datumResults;
  return nullptr;
}

int ZORWENUIFactoryExt::CreateFromName(const std::string& name, bool startUpName, int datumMode,
                                       const ZORString& id, ZORCommandMode mode,
                                       const ZORPathElement* workingPart) {
  std::string className;
  std::string item;
  SplitName(name, className, item);
  // The information lives for this call only: the command started keeps its own copy.
  ZORWENUICmdInfo info;
  info.SetDatumMode(datumMode);
  if (workingPart) info.SetWorkingPart(workingPart);
  if (!item.empty()) info.SetSelectorContextualItem(ZORString(item));
  if (startUpName) {
    info.SetStartUpName(ZORUnicodeString(className));
  } else {
    info.SetClassName(ZORString(className));
  }
  return CreationCommand(&info, id, mode);
}

int ZORWENUIFactoryExt::CreationCommand(const char* name, int datumMode, const ZORString& id,
                                        ZORCommandMode mode, const ZORPathElement* workingPart) {
  if (!name) return 0;
  return CreateFromName(name, false, datumMode, id, mode, workingPart);
}

int ZORWENUIFactoryExt::CreationCommand(const ZORUnicodeString& name, int datumMode,
                                        const ZORString& id, ZORCommandMode mode,
                                        const ZORPathElement* workingPart) {
  return CreateFromName(name.str(), true, datumMode, id, mode, workingPart);
}

int ZORWENUIFactoryExt::CreationCommand(ZORWENUICmdInfo* info, const ZORString& id,
                                        ZORCommandMode mode) {
  if (!info) return 0;
  ZORWENUICmdInfo* started = info;
  if (ZORWENUICmdInfo* shared = GetSharedInfo(info->GetDatumMode())) {
    shared->SetContextualAgregMode(info->GetContextualAgregMode());
    if (!info->GetSelectorContextualItem().IsEmpty()) {
      shared->SetSelectorContextualItem(info->GetSelectorContextualItem());
    }
    started = shared;
  }
  if (const ZORPathElement* part = info->GetWorkingPart()) {
    // The working part's document becomes the working document, its container the current one.
    ZORGuiBasicUtilitiesServices::SetWorkingPath(*part);
  }
  const ZORString typeName = info->GetStartUpName().IsEmpty()
                                 ? info->GetClassName()
                                 : ZORString(info->GetStartUpName().str());
  ZORIWENRunCommand_var runCommand;
  const HRESULT found = GetZORIWENRunCommandInterface(
      typeName, ZORGuiBasicUtilitiesServices::GetCurrentContainer(), runCommand);
  if (FAILED(found) || !runCommand) return 0;
  return SUCCEEDED(runCommand->RunCreationCommand(started, id, mode)) ? 1 : 0;
}

int ZORWENUIFactoryExt::EditCommand(ZORISpecObject_var& feature, const ZORString& id,
                                    ZORCommandMode mode) {
  ZORIWENRunCommand_var runCommand;
  if (FAILED(GetZORIWENRunCommandInterface(feature, runCommand)) || !runCommand) return 0;
  return SUCCEEDED(runCommand->RunEditionCommand(feature, id, mode)) ? 1 : 0;
}
