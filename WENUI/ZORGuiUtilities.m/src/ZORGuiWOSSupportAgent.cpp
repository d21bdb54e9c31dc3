#include "ZORGuiWOSSupportAgent.h"

#include "ZORGmoUtilitiesCCP.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORGuiWOSServices.h"
#include "ZORIMfBRep.h"
#include "ZORIPathAccess.h"
#include "ZORIPrtPart.h"
#include "ZORIWENSection.h"

namespace {

ZORPathElement PathOf(const ZORISpecObject_var& feature) {
  const ZORIPathAccess_var access(feature);
  ZORPathElement path;
  if (access) access->GetPathElement(path);
  return path;
}

}  // namespace

ZORGuiWOSSupportAgent::ZORGuiWOSSupportAgent(const ZORString& name,
                                             const ZORUnicodeString& undoTitle, int behavior,
                                             unsigned long filterFlags,
                                             const ZORBaseUnknown_var& command,
                                             int implicitSelectionMode, int connexSelectionMode,
                                             int contextualCreationMode)
    : ZORWENUIFeatureAgent(name, undoTitle, behavior, filterFlags, command, implicitSelectionMode,
                           connexSelectionMode, contextualCreationMode) {
  ZORIWENWorkingSupport_var current;
  if (FAILED(ZORGuiGetCurrentWorkingSupport(nullptr, current))) return;
  const ZORIPrtPart_var part(ZORGuiUtilitiesServices::GetCurrentPart());
  const ZORIWENSection_var section(part);
  support_ = section ? section->GetSupportFeature() : nullptr;
}

ZORGuiWOSSupportAgent::~ZORGuiWOSSupportAgent() = default;

ZORISpecObject_var ZORGuiWOSSupportAgent::SupportToOffer() {
  if (!ZORIMfBRep_var(support_)) return support_;
  // A picked element is copied once: every activation offers the same copy.
  if (copy_) return copy_;
  copy_ = ZORGmoUtilitiesCCP::DuplicateSpec(ZORBaseUnknown_var(support_),
                                            ZORGuiBasicUtilitiesServices::GetCurrentContainer());
  if (copy_ && FAILED(ZORGmoUtilitiesServices::Update(ZORBaseUnknown_var(copy_)))) {
    ZORGuiUtilitiesServices::Remove(copy_);
    copy_ = nullptr;
  }
  return copy_;
}

int ZORGuiWOSSupportAgent::Activate(ZORCommand* caller, ZORNotification* notification) {
  if (!support_) {
    activity_ = 1;
  } else if (activity_ && !IsOutputSet()) {
    const ZORISpecObject_var offered = SupportToOffer();
    // A copy outside the tree has no path of its own: the support's stands for it.
    ZORPathElement path = PathOf(offered);
    if (!path.IsSet()) path = PathOf(support_);
    if (path.IsSet() && TryValue(path)) {
      SetValuation();
    } else if (offered && offered == copy_) {
      // The filter refused it: the copy serves nothing.
      ZORGuiUtilitiesServices::Remove(copy_);
      copy_ = nullptr;
    }
  }
  return ZORWENUIFeatureAgent::Activate(caller, notification);
}
