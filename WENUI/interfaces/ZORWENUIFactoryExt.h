#pragma once
//! \class ZORWENUIFactoryExt
//! The feature container's ("ZORFeatCont") command factory: starts the creation command of a
//! feature class from its name or from a command information, and the edition command of a
//! feature, through the run-command interface of the feature's type.

#include "ZORBaseExtension.h"
#include "ZORIWENUIFactory.h"
#include "ZORWENUICmdInfo.h"

class ZORWENUIFactoryExt : public ZORBaseExtension, public ZORIWENUIFactory {
  ZOR_DECLARE_CLASS(ZORWENUIFactoryExt, ZORBaseExtension, ZORMetaObject::CodeExtension, "WENUI")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIWENUIFactory)

  //! Made by the object modeler for the feature container.
  ZORWENUIFactoryExt() = default;

  //! Starts the creation command of the feature class `name` ("Class" or "Class.item", see
  //! SplitName), in the results mode `datumMode`, in `workingPart` when given. 1 when started,
  //! 0 for a null name or a class without run-command interface.
  int CreationCommand(const char* name, int datumMode, const ZORString& id, ZORCommandMode mode,
                      const ZORPathElement* workingPart) override;
  //! The same with a start-up name instead of a class name.
  int CreationCommand(const ZORUnicodeString& name, int datumMode, const ZORString& id,
                      ZORCommandMode mode, const ZORPathElement* workingPart) override;
  //! Starts the creation command `info` describes; a datum mode of 0 or 1 runs with the shared
  //! information of that mode, which takes `info`'s contextual mode and item. 1 when started.
  int CreationCommand(ZORWENUICmdInfo* info, const ZORString& id, ZORCommandMode mode) override;
  //! Starts the edition command of `feature` through its type's run-command interface; 1 when
  //! started, 0 otherwise.
  int EditCommand(ZORISpecObject_var& feature, const ZORString& id, ZORCommandMode mode) override;

  //! A name split at its last ".": the class name before it, the selector contextual item after
  //! it (empty without ".").
  static void SplitName(const std::string& name, std::string& className, std::string& item);
  //! The information shared by the commands started with `datumMode` (0 and 1), null for others.
  static ZORWENUICmdInfo* GetSharedInfo(int datumMode);

 private:
  //! Fills a new information from a name and runs the creation with it.
  int CreateFromName(const std::string& name, bool startUpName, int datumMode, const ZORString& id,
                     ZORCommandMode mode, const ZORPathElement* workingPart);
};
