#pragma once
// The commands of a feature type: its creation command and the edition command of one of its
// features. The command started gets a copy of the information it is given, which it keeps as
// long as it lives, so the caller may let its own go at once.

#include "ZORCommand.h"
#include "ZORISpecObject.h"
#include "ZORString.h"
#include "ZORVar.h"

class ZORWENUICmdInfo;

class ZORIWENRunCommand : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENRunCommand)

  virtual HRESULT RunCreationCommand(const ZORWENUICmdInfo* info, const ZORString& id,
                                     ZORCommandMode mode) = 0;
  virtual HRESULT RunEditionCommand(const ZORISpecObject_var& feature, const ZORString& id,
                                    ZORCommandMode mode) = 0;
};

ZOR_DEFINE_IID(ZORIWENRunCommand);
using ZORIWENRunCommand_var = ZORVar<ZORIWENRunCommand>;

// The run-command interface of the feature type named `name` (its class or start-up name) in
// `container`; E_FAIL, and null, when the type has no commands or there is no container.
HRESULT GetZORIWENRunCommandInterface(const ZORString& name, const ZORBaseUnknown_var& container,
                                      ZORIWENRunCommand_var& runCommand);
// The run-command interface of the type of `feature`.
HRESULT GetZORIWENRunCommandInterface(const ZORISpecObject_var& feature,
                                      ZORIWENRunCommand_var& runCommand);
