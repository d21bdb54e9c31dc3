#pragma once
// What the host starts in place of a command that lives in a library it does not have (the
// workbench's repetition commands): a state command named after the requested class, with one
// state and no agents, that runs until it is cancelled or ended.

#include <string>

#include "ZORStateCommand.h"

class ZORExternalStandInCommand : public ZORStateCommand {
  ZOR_DECLARE_CLASS(ZORExternalStandInCommand, ZORStateCommand, ZORMetaObject::Implementation,
                    "System")

  // The command's name is `className`.
  explicit ZORExternalStandInCommand(const std::string& className = std::string(),
                                     const std::string& libraryName = std::string());

  void BuildGraph() override;

  const std::string& GetRequestedClassName() const { return className_; }
  const std::string& GetLibraryName() const { return libraryName_; }

 private:
  std::string className_;
  std::string libraryName_;
};
