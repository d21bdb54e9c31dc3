#pragma once
// The run-command interface of a feature type. The commands of a type are registered by the
// type's name (its class name or start-up name); every start asked is recorded, with what the
// command was given, so that a session can tell what was started. A type registered without a
// creation or an edition command records the start and starts nothing.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ZORIWENRunCommand.h"
#include "ZORSurfacicUIStateCommand.h"
#include "ZORWENUICmdInfo.h"

class ZORWENRunCommand : public virtual ZORBaseUnknown, public ZORIWENRunCommand {
  ZOR_DECLARE_CLASS(ZORWENRunCommand, ZORBaseUnknown, ZORMetaObject::Implementation, "System")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORIWENRunCommand)

  // The creation command gets the command's own copy of the information.
  using CreationCreator = std::function<ZORSurfacicUIStateCommand*(
      ZORWENUICmdInfo* info, const ZORString& id, ZORCommandMode mode)>;
  using EditionCreator = std::function<ZORSurfacicUIStateCommand*(
      const ZORISpecObject_var& feature, const ZORString& id, ZORCommandMode mode)>;

  struct Start {
    std::string typeName;
    bool edition = false;
    ZORString id;
    ZORCommandMode mode = 0;
    std::optional<ZORWENUICmdInfo> info;  // as given, for a creation
    ZORISpecObject_var feature;           // the edited feature
    ZORBaseUnknown_var container;
    // The command started (a link, valid while it runs), null when none was.
    ZORSurfacicUIStateCommand* command = nullptr;
  };

  ZORWENRunCommand(std::string typeName, ZORBaseUnknown_var container);

  HRESULT RunCreationCommand(const ZORWENUICmdInfo* info, const ZORString& id,
                             ZORCommandMode mode) override;
  HRESULT RunEditionCommand(const ZORISpecObject_var& feature, const ZORString& id,
                            ZORCommandMode mode) override;

  static void Register(const std::string& typeName, CreationCreator creation,
                       EditionCreator edition);
  static bool IsRegistered(const std::string& typeName);
  static const std::vector<Start>& Starts();
  // Forgets the registrations and the starts.
  static void Reset();

 private:
  std::string typeName_;
  ZORBaseUnknown_var container_;
};
