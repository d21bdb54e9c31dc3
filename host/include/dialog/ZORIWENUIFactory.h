#pragma once
// Starts the creation command of a feature class, or the edition command of a feature. Each
// operation answers 1 when a command was started, 0 otherwise.

#include "ZORCommand.h"
#include "ZORISpecObject.h"
#include "ZORPathElement.h"
#include "ZORString.h"
#include "ZORUnicodeString.h"
#include "ZORVar.h"

class ZORWENUICmdInfo;

class ZORIWENUIFactory : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENUIFactory)

  // `name` is "Class" or "Class.SelectorItem"; `workingPart` may be null.
  virtual int CreationCommand(const char* name, int datumMode, const ZORString& id,
                              ZORCommandMode mode, const ZORPathElement* workingPart) = 0;
  // The same, `name` being the start-up name of the command.
  virtual int CreationCommand(const ZORUnicodeString& name, int datumMode, const ZORString& id,
                              ZORCommandMode mode, const ZORPathElement* workingPart) = 0;
  // `info` stays the caller's.
  virtual int CreationCommand(ZORWENUICmdInfo* info, const ZORString& id, ZORCommandMode mode) = 0;
  virtual int EditCommand(ZORISpecObject_var& feature, const ZORString& id,
                          ZORCommandMode mode) = 0;
};

ZOR_DEFINE_IID(ZORIWENUIFactory);
using ZORIWENUIFactory_var = ZORVar<ZORIWENUIFactory>;
