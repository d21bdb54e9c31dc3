// The library's commands that are created by name, registered with the host's command stack
// when the library is loaded.

#include "ZORGuiCommandStack.h"
#include "ZORGuiConvertOldContextualFeat.h"
#include "ZORWENUIOrients.h"

namespace {

const bool registered = [] {
  ZORGuiCommandStack::Instance()->RegisterCommand("ZORWENUIOrients", &fctCreateZORWENUIOrients);
  ZORGuiCommandStack::Instance()->RegisterCommand("ZORGuiConvertOldContextualFeat",
                                                  &fctCreateZORGuiConvertOldContextualFeat);
  return true;
}();

}  // namespace
