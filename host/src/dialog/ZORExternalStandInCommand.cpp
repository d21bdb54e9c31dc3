#include "ZORExternalStandInCommand.h"

ZORExternalStandInCommand::ZORExternalStandInCommand(const std::string& className,
                                                     const std::string& libraryName)
    : ZORStateCommand(ZORString(className)), className_(className), libraryName_(libraryName) {}

void ZORExternalStandInCommand::BuildGraph() {
  GetInitialState(ZORString("Running"));
}
